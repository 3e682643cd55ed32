// Blocked signals wait as pending until sigwaitinfo takes them.
#include "signalWatch.h"

#include <cerrno>
#include <initializer_list>

SignalWatch::SignalWatch()
{
    sigemptyset(&watched);
    for (int signal : {SIGINT, SIGTERM, SIGCHLD}) sigaddset(&watched, signal);
    struct sigaction hangUp {};
    if (sigaction(SIGHUP, nullptr, &hangUp) == 0 && hangUp.sa_handler != SIG_IGN) sigaddset(&watched, SIGHUP);
    sigprocmask(SIG_BLOCK, &watched, &before);
}

SignalWatch::~SignalWatch() { sigprocmask(SIG_SETMASK, &before, nullptr); }

int SignalWatch::next()
{
    int signal = -1;
    do signal = sigwaitinfo(&watched, nullptr);
    while (signal < 0 && errno == EINTR);
    return signal;
}
