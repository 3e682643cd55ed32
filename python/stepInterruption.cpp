// Ctrl+C counted by a handler chained in front of Python's, and the interpreter's exit read from
// the threading module, for steps outside the main thread.
#include "stepInterruption.h"

#include <pybind11/pybind11.h>

#include <atomic>
#include <csignal>

namespace py = pybind11;

namespace {

std::atomic<unsigned> presses{0};
struct sigaction chained {};

void countPress(int signal, siginfo_t* info, void* context)
{
    presses.fetch_add(1, std::memory_order_relaxed);
    if (chained.sa_flags & SA_SIGINFO) {
        chained.sa_sigaction(signal, info, context);
    } else {
        chained.sa_handler(signal);
    }
}

// Puts countPress in front of the SIGINT handler in force, unless it is there already or SIGINT
// is ignored or left to kill the process. Python puts its own handler back whenever a script sets
// one (IPython does for every cell), so this is done again at every look.
void watchPresses()
{
    struct sigaction current {};
    if (sigaction(SIGINT, nullptr, &current) != 0) return;
    const bool counting = (current.sa_flags & SA_SIGINFO) && current.sa_sigaction == countPress;
    if (counting || (!(current.sa_flags & SA_SIGINFO) && (current.sa_handler == SIG_IGN || current.sa_handler == SIG_DFL)))
        return;
    chained = current;
    struct sigaction counter = current;
    counter.sa_flags |= SA_SIGINFO;
    counter.sa_sigaction = countPress;
    sigaction(SIGINT, &counter, nullptr);
}

bool inMainThread()
{
    const py::module_ threading = py::module_::import("threading");
    return threading.attr("current_thread")().is(threading.attr("main_thread")());
}

// Ctrl+C ends a script only while Python's own handler turns it into KeyboardInterrupt; a
// script's handler of its own decides for itself.
bool pressesInterrupt()
{
    const py::module_ signalModule = py::module_::import("signal");
    return signalModule.attr("getsignal")(SIGINT).is(signalModule.attr("default_int_handler"));
}

// threading sets this as the interpreter begins to exit, before it waits for the threads (and
// concurrent.futures for its pools); atexit's functions run only after that wait.
bool interpreterExiting()
{
    return py::getattr(py::module_::import("threading"), "_SHUTTING_DOWN", py::bool_(false)).cast<bool>();
}

[[noreturn]] void raiseError(PyObject* kind, const char* message)
{
    PyErr_SetString(kind, message);
    throw py::error_already_set();
}

}  // namespace

StepInterruption::StepInterruption() : mainThread(inMainThread()), pressesBefore(presses.load())
{
    if (!mainThread) watchPresses();
}

void StepInterruption::check()
{
    if (mainThread) {
        if (PyErr_CheckSignals() != 0) throw py::error_already_set();
        return;
    }
    watchPresses();
    if (presses.load() != pressesBefore) {
        pressesBefore = presses.load();
        if (pressesInterrupt()) raiseError(PyExc_KeyboardInterrupt, "Ctrl+C stopped the step between two steps");
    }
    if (interpreterExiting()) raiseError(PyExc_SystemExit, "the interpreter is exiting: the step stopped between two steps");
}
