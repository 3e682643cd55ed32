// Starting the program as a person would, and the desktop tools that drive it.
#pragma once

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

// A child process whose standard output the test reads; it is killed when the object goes.
class ChildProcess {
public:
    // Runs the program of arguments[0] in the working directory (the test's own when empty).
    explicit ChildProcess(const std::vector<std::string>& arguments, const std::string& workingDirectory = "");
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of standard output without its newline, or nothing when none came in time.
    std::optional<std::string> readLine(int timeoutMs);
    bool running();
    // The wait status once the process has ended by itself, or nothing when it still runs after
    // the timeout.
    std::optional<int> waitForExit(int timeoutMs);
    // Ends the process (SIGTERM, then SIGKILL) and returns its wait status.
    int stop();

private:
    pid_t pid = -1;
    int output = -1;
    std::string pending;
    bool exited = false;
    int status = 0;
};

// Runs a shell command and returns what it wrote to standard output.
std::string runCommand(const std::string& command);

// Polls until the command's output, trimmed, is not empty, or the time runs out.
std::string waitForOutput(const std::string& command, int timeoutMs);
