// Running Xvfb for the length of a test program.
#include "virtualDisplay.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

constexpr int startTimeoutMs = 20000;
// Large enough for the world window at (500, 32) sized 740 x 740 and the panels beside it.
const char* const screenGeometry = "1600x1200x24";

// Reads the display number Xvfb writes to the pipe once it accepts connections.
std::string readDisplayNumber(int fd)
{
    std::string number;
    char c = 0;
    pollfd waiting{fd, POLLIN, 0};
    while (poll(&waiting, 1, startTimeoutMs) > 0 && read(fd, &c, 1) == 1) {
        if (c == '\n') return number;
        number += c;
    }
    return {};
}

void startServer(int displayFd, pid_t parent)
{
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);  // the test program ended before the signal was armed
    const int quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    const std::string fd = std::to_string(displayFd);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screenGeometry, "-nolisten", "tcp",
           static_cast<char*>(nullptr));
    _exit(127);
}

}  // namespace

std::string startVirtualDisplay()
{
    int fds[2];
    if (pipe(fds) != 0) return {};
    const pid_t parent = getpid();
    const pid_t server = fork();
    if (server == 0) {
        close(fds[0]);
        startServer(fds[1], parent);
    }
    close(fds[1]);
    const std::string number = server > 0 ? readDisplayNumber(fds[0]) : std::string();
    close(fds[0]);
    if (number.empty()) return {};
    const std::string name = ":" + number;
    setenv("DISPLAY", name.c_str(), 1);
    return name;
}
