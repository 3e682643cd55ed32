// What stops a step between two slices of its work: Ctrl+C and the interpreter's exit. Python
// handles signals in its main thread alone, and at exit waits for every thread (a thread pool's
// among them) to end, so a step in another thread must look for both itself.
#pragma once

class StepInterruption {
public:
    // With the GIL held, in the thread that steps: notes the Ctrl+C presses so far.
    StepInterruption();

    // With the GIL held: raises (pybind11::error_already_set) KeyboardInterrupt when Ctrl+C was
    // pressed since, or in the main thread whatever Python's signal handlers raise, and SystemExit
    // in another thread once the interpreter has begun to exit. Nothing otherwise.
    void check();

private:
    bool mainThread;
    unsigned pressesBefore;
};
