// Starting and waiting for other programs.
#include "childProgram.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int signalStatusBase = 128;

// A sweep blocks the signals it waits for, and a shell may have left Ctrl+C ignored; a child must
// stop when a stopped sweep passes the signal on, so it starts with neither.
void resetSignals(posix_spawnattr_t& attributes)
{
    sigset_t none, stopping;
    sigemptyset(&none);
    sigemptyset(&stopping);
    sigaddset(&stopping, SIGINT);
    sigaddset(&stopping, SIGTERM);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &stopping);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
}

bool onPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    const std::string directories = path ? path : "";
    for (std::size_t start = 0; start <= directories.size();) {
        std::size_t end = directories.find(':', start);
        if (end == std::string::npos) end = directories.size();
        const std::string directory = end > start ? directories.substr(start, end - start) : ".";
        const std::string candidate = directory + "/" + program;
        struct stat status {};
        if (stat(candidate.c_str(), &status) == 0 && S_ISREG(status.st_mode) && access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

ChildProgram startProgram(const std::vector<std::string>& arguments, const std::string& logFile, bool pipeInput)
{
    ChildProgram child;
    int ends[2] = {-1, -1};
    if (pipeInput && pipe2(ends, O_CLOEXEC) != 0) {
        child.problem = std::string("cannot make a pipe: ") + std::strerror(errno);
        return child;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (pipeInput) posix_spawn_file_actions_adddup2(&actions, ends[0], STDIN_FILENO);
    if (logFile.empty()) {
        posix_spawn_file_actions_adddup2(&actions, STDERR_FILENO, STDOUT_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    resetSignals(attributes);
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&child.pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (pipeInput) close(ends[0]);
    if (spawned != 0) {
        child.pid = -1;
        child.problem = "cannot run " + arguments[0] + ": " + std::strerror(spawned);
        if (pipeInput) close(ends[1]);
        return child;
    }
    child.input = pipeInput ? ends[1] : -1;
    return child;
}

int waitForProgram(pid_t& pid)
{
    int status = 0;
    pid_t ended = -1;
    do ended = waitpid(pid, &status, 0);
    while (ended < 0 && errno == EINTR);
    if (ended < 0) return -1;
    pid = ended;
    return WIFEXITED(status) ? WEXITSTATUS(status) : signalStatusBase + WTERMSIG(status);
}

std::string endOf(int waitStatus)
{
    if (WIFSIGNALED(waitStatus)) return "killed by signal " + std::to_string(WTERMSIG(waitStatus));
    return "exit status " + std::to_string(WEXITSTATUS(waitStatus));
}

std::string ownProgramPath()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string("quillmoss-lab");
}

std::string shellQuoted(const std::string& word)
{
    if (!word.empty() &&
        word.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_./=:,+-") == std::string::npos)
        return word;
    std::string quoted = "'";
    for (char character : word) quoted += character == '\'' ? std::string("'\\''") : std::string(1, character);
    return quoted + "'";
}

std::string lastLineOf(const std::string& logFile, const std::string& prefix)
{
    std::ifstream file(logFile);
    std::string last;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line.rfind(prefix, 0) == 0) last = line.substr(prefix.size());
    return last;
}

std::string missingProgram(const std::vector<std::pair<std::string, std::string>>& programs)
{
    for (const auto& [program, package] : programs)
        if (!onPath(program))
            return program + " is not installed (Debian package " + package + "): install it, or put it on PATH";
    return {};
}
