// Child processes and shell commands for the tests that start the whole program.
#include "childProcess.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {
constexpr int pollStepMs = 50;
constexpr int stopGraceMs = 2000;

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}
}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments, const std::string& workingDirectory)
{
    int fds[2];
    if (pipe(fds) != 0) return;
    pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        close(fds[0]);
        dup2(fds[1], STDOUT_FILENO);
        close(fds[1]);
        if (!workingDirectory.empty() && chdir(workingDirectory.c_str()) != 0) _exit(126);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(fds[1]);
    output = fds[0];
}

ChildProcess::~ChildProcess()
{
    stop();
    if (output >= 0) close(output);
}

std::optional<std::string> ChildProcess::readLine(int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        const auto newline = pending.find('\n');
        if (newline != std::string::npos) {
            std::string line = pending.substr(0, newline);
            pending.erase(0, newline + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || output < 0) return std::nullopt;
        pollfd waiting{output, POLLIN, 0};
        if (poll(&waiting, 1, static_cast<int>(left.count())) <= 0) return std::nullopt;
        char chunk[256];
        const ssize_t got = read(output, chunk, sizeof chunk);
        if (got <= 0) return std::nullopt;
        pending.append(chunk, static_cast<size_t>(got));
    }
}

bool ChildProcess::running()
{
    if (pid <= 0 || exited) return false;
    if (waitpid(pid, &status, WNOHANG) == pid) exited = true;
    return !exited;
}

std::optional<int> ChildProcess::waitForExit(int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs && running(); waited += pollStepMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(pollStepMs));
    if (running()) return std::nullopt;
    return status;
}

int ChildProcess::stop()
{
    if (!running()) return status;
    kill(pid, SIGTERM);
    if (!waitForExit(stopGraceMs)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        exited = true;
    }
    return status;
}

std::string runCommand(const std::string& command)
{
    std::string result;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char chunk[256];
    size_t got = 0;
    while ((got = fread(chunk, 1, sizeof chunk, pipe)) > 0) result.append(chunk, got);
    pclose(pipe);
    return result;
}

std::string waitForOutput(const std::string& command, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += pollStepMs) {
        const std::string result = trimmed(runCommand(command));
        if (!result.empty()) return result;
        std::this_thread::sleep_for(std::chrono::milliseconds(pollStepMs));
    }
    return {};
}
