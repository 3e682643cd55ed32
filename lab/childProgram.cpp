// Starting and waiting for other programs.
#include "childProgram.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {
constexpr int signalStatusBase = 128;
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
    std::vector<char*> argv;
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const int spawned = posix_spawnp(&child.pid, argv[0], &actions, nullptr, argv.data(), environ);
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

std::string ownProgramPath()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string("quillmoss-lab");
}

std::string lastLineOf(const std::string& logFile)
{
    std::ifstream file(logFile);
    std::string last;
    for (std::string line; std::getline(file, line);)
        if (!line.empty()) last = line;
    return last;
}
