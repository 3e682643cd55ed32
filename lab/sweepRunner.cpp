// The runs as child processes, a new one started whenever one ends.
#include "sweepRunner.h"

#include "childProgram.h"
#include "directories.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
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

// Runs done of all the sweep's, and the time left at the pace of the runs finished so far. On a
// terminal the line is redrawn; otherwise each finished run adds a line.
class SweepProgress {
public:
    SweepProgress(int total, int toRun) : total(total), toRun(toRun), onTerminal(isatty(STDERR_FILENO) != 0) {}

    void show(int finished)
    {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const std::string left = finished > 0 ? ", about " + duration(elapsed / finished * (toRun - finished)) + " left" : "";
        std::fprintf(stderr, "%ssweep: %d of %d runs done%s%s", onTerminal ? "\r" : "", total - toRun + finished, total,
                     left.c_str(), onTerminal ? "    " : "\n");
        std::fflush(stderr);
    }

    void finish()
    {
        if (onTerminal) std::fputc('\n', stderr);
    }

private:
    int total, toRun;
    bool onTerminal;
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
};

}  // namespace

int runSweep(const SweepPlan& plan, const std::vector<int>& numbers, const std::string& sweepDirectory, int workers)
{
    const std::vector<SweepRun> runs = sweepRuns(plan);
    const std::string program = ownProgramPath();
    SweepProgress progress(static_cast<int>(runs.size()), static_cast<int>(numbers.size()));
    progress.show(0);
    std::map<pid_t, int> running;
    int finished = 0, failed = 0;
    for (std::size_t next = 0; next < numbers.size() || !running.empty();) {
        while (static_cast<int>(running.size()) < workers && next < numbers.size()) {
            const SweepRun& run = runs[static_cast<std::size_t>(numbers[next++]) - 1];
            const std::string out = runDirectory(sweepDirectory, run.number);
            std::vector<std::string> arguments = {program};
            for (const std::string& argument : runArguments(plan, run, out)) arguments.push_back(argument);
            std::string problem = makeDirectory(out);
            const ChildProgram child = problem.empty() ? startProgram(arguments, out + "/log.txt") : ChildProgram{};
            if (problem.empty()) problem = child.problem;
            if (problem.empty()) {
                running[child.pid] = run.number;
                continue;
            }
            std::fprintf(stderr, "quillmoss-lab: run %d could not start: %s\n", run.number, problem.c_str());
            ++failed;
        }
        if (running.empty()) break;
        pid_t ended = -1;
        const int status = waitForProgram(ended);
        const auto found = running.find(ended);
        if (found == running.end()) continue;
        if (status != 0) {
            const std::string log = runDirectory(sweepDirectory, found->second) + "/log.txt";
            std::fprintf(stderr, "%squillmoss-lab: run %d failed: %s (see %s)\n", isatty(STDERR_FILENO) ? "\n" : "",
                         found->second, lastLineOf(log).c_str(), log.c_str());
            ++failed;
        }
        running.erase(found);
        progress.show(++finished);
    }
    progress.finish();
    return failed;
}
