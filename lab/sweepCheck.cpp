// Checking a sweep's runs before anything runs or is written, so that a sweep never writes over
// another's runs, never tables a run it did not ask for, and says how to go on.
#include "sweepCheck.h"

#include "childProgram.h"
#include "runSettings.h"

#include <unistd.h>

#include <algorithm>

namespace {

constexpr int namedAtMost = 10;  // runs named in a refusal; the rest are counted

// "2 of 8 runs are damaged: runs/0003 (no stats.csv), runs/0006 (...)" for the runs in the states;
// what is said of them, as of one run and of several.
std::string namedRuns(const std::vector<RunCheck>& checks, std::initializer_list<RunState> states,
                      const std::pair<std::string, std::string>& what)
{
    std::string names;
    int count = 0;
    for (std::size_t at = 0; at < checks.size(); ++at) {
        if (std::find(states.begin(), states.end(), checks[at].state) == states.end() || ++count > namedAtMost) continue;
        names +=
            (names.empty() ? "" : ", ") + runDirectory("", static_cast<int>(at) + 1).substr(1) + " (" + checks[at].reason + ")";
    }
    if (count == 0) return {};
    if (count > namedAtMost) names += " and " + std::to_string(count - namedAtMost) + " more";
    return std::to_string(count) + " of " + std::to_string(checks.size()) + " runs " + (count == 1 ? what.first : what.second) +
           ": " + names;
}

}  // namespace

std::vector<RunCheck> checkSweepRuns(const SweepPlan& plan, const std::string& directory)
{
    std::vector<RunCheck> checks;
    for (const SweepRun& run : sweepRuns(plan)) {
        const std::string out = runDirectory(directory, run.number);
        checks.push_back(checkRun(out, expectedRun(plan, run, out)));
    }
    return checks;
}

std::string sweepRunsProblem(const std::vector<RunCheck>& checks, const std::string& directory, SweepUse use)
{
    std::string named = namedRuns(checks, {RunState::busy}, {"is in use", "are in use"});
    if (!named.empty()) return named + ": wait for it to end, or stop it";
    named = namedRuns(checks, {RunState::foreign},
                      {"was made with other settings than the plan", "were made with other settings than the plan"});
    if (!named.empty()) return named + ": " + directory + " holds another sweep's runs; choose another directory";
    const std::string again =
        "quillmoss-lab sweep --file " + shellQuoted(directory + "/plan.txt") + " --out " + shellQuoted(directory);
    if (use == SweepUse::resume) {
        named = namedRuns(checks, {RunState::damaged}, {"is damaged", "are damaged"});
        if (!named.empty()) return named + "; to run them again and keep the rest: " + again + " --redo-damaged";
    }
    if (use == SweepUse::collect) {
        named = namedRuns(checks, {RunState::unfinished, RunState::damaged}, {"is missing or damaged", "are missing or damaged"});
        const bool planned = access((directory + "/jobs.txt").c_str(), F_OK) == 0;
        if (!named.empty())
            return named + "; to run them (again) and keep the rest: " + again + " --redo-damaged" +
                   (planned ? ", or jobs.txt again" : "");
    }
    return {};
}

std::vector<int> runsToRun(const std::vector<RunCheck>& checks, SweepUse use)
{
    std::vector<int> numbers;
    for (std::size_t at = 0; at < checks.size(); ++at)
        if (checks[at].state == RunState::unfinished || (use == SweepUse::redo && checks[at].state == RunState::damaged))
            numbers.push_back(static_cast<int>(at) + 1);
    return numbers;
}
