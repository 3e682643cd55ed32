// The runs as child processes, a new one started whenever one ends.
#include "sweepRunner.h"

#include "childProgram.h"
#include "directories.h"
#include "signalWatch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <map>

namespace {

constexpr long long secondsPerMinute = 60, secondsPerHour = 3600;

std::string duration(double seconds)
{
    const long long whole = static_cast<long long>(seconds + 0.5);
    char text[32];
    if (whole >= secondsPerHour)
        std::snprintf(text, sizeof text, "%lldh %02lldm", whole / secondsPerHour, whole % secondsPerHour / secondsPerMinute);
    else if (whole >= secondsPerMinute)
        std::snprintf(text, sizeof text, "%lldm %02llds", whole / secondsPerMinute, whole % secondsPerMinute);
    else std::snprintf(text, sizeof text, "%llds", whole);
    return text;
}

// Runs done and failed of all the sweep's, and the time left at the pace of the runs done so far.
// On a terminal the line is redrawn; otherwise each ended run adds a line.
class SweepProgress {
public:
    SweepProgress(int total, int toRun) : total(total), toRun(toRun), onTerminal(isatty(STDERR_FILENO) != 0) {}

    void show(int finished, int failed)
    {
        const int waiting = toRun - finished - failed;
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::string failures = failed > 0 ? ", " + std::to_string(failed) + " failed" : "";
        const std::string left = finished > 0 && waiting > 0 ? ", about " + duration(elapsed / finished * waiting) + " left" : "";
        std::fprintf(stderr, "%ssweep: %d of %d runs done%s%s%s", onTerminal ? "\r" : "", total - toRun + finished, total,
                     failures.c_str(), left.c_str(), onTerminal ? "    " : "\n");
        std::fflush(stderr);
    }

    // Before a message of its own, on a terminal, the progress line is ended.
    const char* lineBreak() const { return onTerminal ? "\n" : ""; }

    void finish()
    {
        if (onTerminal) std::fputc('\n', stderr);
    }

private:
    int total, toRun;
    bool onTerminal;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

// The runs at work, started as workers come free, and what became of those that ended.
class RunPool {
public:
    RunPool(const SweepPlan& plan, const std::vector<int>& numbers, const std::string& sweepDirectory)
        : runs(sweepRuns(plan)),
          plan(plan),
          numbers(numbers),
          sweepDirectory(sweepDirectory),
          progress(static_cast<int>(runs.size()), static_cast<int>(numbers.size()))
    {
        progress.show(0, 0);
    }

    void startUpTo(int workers)
    {
        while (outcome.signal == 0 && static_cast<int>(running.size()) < workers && next < numbers.size()) start(numbers[next++]);
    }

    bool busy() const { return !running.empty(); }

    // Passes a stopping signal on to every run at work.
    void stop(int signal)
    {
        outcome.signal = signal;
        for (const auto& [pid, number] : running) kill(pid, signal);
    }

    // Takes every run that has ended.
    void reap()
    {
        int status = 0;
        for (pid_t ended; (ended = waitpid(-1, &status, WNOHANG)) > 0;) {
            const auto found = running.find(ended);
            if (found == running.end()) continue;
            takeEnd(found->second, status);
            running.erase(found);
        }
    }

    SweepOutcome finish()
    {
        progress.finish();
        return outcome;
    }

private:
    void start(int number)
    {
        const SweepRun& run = runs[static_cast<std::size_t>(number) - 1];
        const std::string out = runDirectory(sweepDirectory, run.number);
        std::vector<std::string> arguments = {ownProgramPath()};
        for (const std::string& argument : runArguments(plan, run, out)) arguments.push_back(argument);
        std::string problem = makeDirectory(out);
        const ChildProgram child = problem.empty() ? startProgram(arguments, logPath(number)) : ChildProgram{};
        if (problem.empty()) problem = child.problem;
        if (problem.empty()) {
            running[child.pid] = number;
            return;
        }
        std::fprintf(stderr, "%squillmoss-lab: run %d could not start: %s\n", progress.lineBreak(), number, problem.c_str());
        ++outcome.failed;
        progress.show(finished, outcome.failed);
    }

    void takeEnd(int number, int status)
    {
        if (WIFEXITED(status) && WEXITSTATUS(status) == 0) ++finished;
        else if (outcome.signal != 0) ++outcome.stopped;
        else {
            // A run killed from outside says nothing itself: the log gets the reason. A run that
            // failed by itself said why in its last message.
            const std::string log = logPath(number), said = lastLineOf(log, "quillmoss-lab: ");
            std::ofstream(log, std::ios::app) << "quillmoss-lab sweep: run " << number << " ended: " << endOf(status) << "\n";
            const std::string reason = WIFSIGNALED(status) || said.empty() ? endOf(status) : said;
            std::fprintf(stderr, "%squillmoss-lab: run %d failed: %s (see %s)\n", progress.lineBreak(), number, reason.c_str(),
                         log.c_str());
            ++outcome.failed;
        }
        if (outcome.signal == 0) progress.show(finished, outcome.failed);
    }

    std::string logPath(int number) const { return runDirectory(sweepDirectory, number) + "/log.txt"; }

    const std::vector<SweepRun> runs;
    const SweepPlan& plan;
    const std::vector<int>& numbers;
    const std::string& sweepDirectory;
    SweepProgress progress;
    std::map<pid_t, int> running;
    std::size_t next = 0;
    int finished = 0;
    SweepOutcome outcome;
};

}  // namespace

SweepOutcome runSweep(const SweepPlan& plan, const std::vector<int>& numbers, const std::string& sweepDirectory, int workers)
{
    SignalWatch signals;
    RunPool pool(plan, numbers, sweepDirectory);
    for (pool.startUpTo(workers); pool.busy(); pool.startUpTo(workers)) {
        const int signal = signals.next();
        if (signal == SIGCHLD || signal < 0) pool.reap();
        else pool.stop(signal);
    }
    return pool.finish();
}
