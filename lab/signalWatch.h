// The signals that stop a sweep (Ctrl+C, SIGTERM, and SIGHUP unless it was left ignored, as nohup
// does) and the ends of its runs, taken one at a time where the sweep waits for them rather than
// in a handler at any moment, so that none slips between a check and a wait.
#pragma once

#include <csignal>

class SignalWatch {
public:
    // Holds the signals back until next() takes them.
    SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;
    ~SignalWatch();

    // Waits for the next signal: SIGCHLD when a child ended, or a stopping one.
    int next();

private:
    sigset_t watched{};
    sigset_t before{};
};
