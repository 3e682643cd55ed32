// Other programs (gnuplot, ffmpeg, quillmoss-lab's own runs) started without a shell between, so
// that no path or value is ever parsed by one.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

// The exit status of a program the shell or the system could not find.
inline constexpr int programNotFoundStatus = 127;

struct ChildProgram {
    pid_t pid = -1;
    int input = -1;  // the write end of a pipe to its standard input, when asked for; -1 otherwise
    std::string problem;  // why it could not be started; "" when it was
};

// Starts arguments[0] (looked up on PATH when it holds no slash) with the arguments. Its standard
// output and errors go to logFile when one is named, otherwise to our standard error. It starts
// with no signal blocked and with Ctrl+C and SIGTERM stopping it, whatever ours are.
ChildProgram startProgram(const std::vector<std::string>& arguments, const std::string& logFile = "", bool pipeInput = false);

// Waits for the program (any child of ours for -1, naming it in pid) and returns its exit status,
// 128 + the signal when a signal ended it, or -1 when there is none to wait for.
int waitForProgram(pid_t& pid);

// How a program ended, from waitpid's status: "exit status 1", "killed by signal 9".
std::string endOf(int waitStatus);

// The absolute path of the running program, for starting more of itself.
std::string ownProgramPath();

// A word as the shell reads it back: in single quotes unless it is plainly safe.
std::string shellQuoted(const std::string& word);

// The last line of a program's log that is not blank and starts with prefix: what it said last.
std::string lastLineOf(const std::string& logFile, const std::string& prefix = "");

// "" when each program is on PATH, otherwise one line naming the first missing one and the Debian
// package that brings it. Each entry is {program, package}.
std::string missingProgram(const std::vector<std::pair<std::string, std::string>>& programs);
