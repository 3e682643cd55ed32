// The sweep command: a directory that holds one plan, its runs and their collected results, worked
// in by one sweep at a time.
#include "labRun.h"

#include "childProgram.h"
#include "clusterPlan.h"
#include "directories.h"
#include "directoryLock.h"
#include "sweepCheck.h"
#include "sweepCollect.h"
#include "sweepOptions.h"
#include "sweepRunner.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace {

constexpr int failedStatus = 1, refusedStatus = 2;
constexpr int signalStatusBase = 128;

int report(int status, const std::string& problem)
{
    if (status != 0) std::fprintf(stderr, "quillmoss-lab: %s\n", problem.c_str());
    return status;
}

// "" when the directory holds no plan or this one (read as a plan, so that a plan written by an
// older quillmoss-lab, without the keys added since, is still the same plan).
std::string planProblem(const SweepPlan& plan, const std::string& directory)
{
    const std::string planPath = directory + "/plan.txt";
    if (access(planPath.c_str(), F_OK) != 0) return {};
    SweepTexts texts;
    SweepPlan held;
    if (readSweepFile(planPath, texts).empty() && planFromTexts(texts, held).empty() && planText(held) == planText(plan))
        return {};
    return directory + " holds a different sweep (see " + planPath +
           "): choose another directory, or go on with that sweep's plan (--file " + planPath + ")";
}

std::string writePlan(const SweepPlan& plan, const std::string& directory)
{
    const std::string planPath = directory + "/plan.txt";
    if (access(planPath.c_str(), F_OK) == 0) return {};
    std::ofstream file(planPath, std::ios::binary);
    file << planText(plan);
    file.close();
    return file ? "" : "cannot write " + planPath + ": " + std::strerror(errno);
}

// The programs the sweep and its runs start, found before the first run rather than after the last.
std::string missingTools(const SweepPlan& plan)
{
    std::vector<std::pair<std::string, std::string>> tools = {{"gnuplot", "gnuplot-nox"}};
    if (plan.movies) tools.emplace_back("ffmpeg", "ffmpeg");
    return missingProgram(tools);
}

int collect(const SweepPlan& plan, const std::string& directory)
{
    const CollectResult result = collectSweep(plan, directory);
    if (result.status == 0) std::printf("%s/sweep.csv, summary.csv and summary.png written\n", directory.c_str());
    return report(result.status, result.problem);
}

int coreCount()
{
    const long cores = sysconf(_SC_NPROCESSORS_ONLN);
    return cores > 0 ? static_cast<int>(cores) : 1;
}

int writeJobs(const SweepPlan& plan, const std::string& directory)
{
    char absolute[PATH_MAX];
    if (!realpath(directory.c_str(), absolute)) return report(failedStatus, directory + ": " + std::strerror(errno));
    const std::string problem = writeClusterPlan(plan, absolute);
    if (problem.empty()) std::printf("%s/jobs.txt (%zu runs) and slurm.sh written\n", absolute, sweepRuns(plan).size());
    return report(problem.empty() ? 0 : failedStatus, problem);
}

int runHere(const LabOptions& options, const std::vector<RunCheck>& checks, SweepUse use)
{
    const SweepPlan& plan = options.sweep.plan;
    const std::string& directory = options.sweep.directory;
    const int workers = options.sweep.workers > 0 ? static_cast<int>(options.sweep.workers) : coreCount();
    const SweepOutcome outcome = runSweep(plan, runsToRun(checks, use), directory, workers);
    if (outcome.signal != 0)
        return report(signalStatusBase + outcome.signal,
                      std::string("stopped by SIG") + sigabbrev_np(outcome.signal) + ": " + std::to_string(outcome.stopped) +
                          (outcome.stopped == 1 ? " run" : " runs") +
                          " left unfinished (stats.csv.partial); the same command goes on from there");
    if (outcome.failed > 0)
        return report(failedStatus, std::to_string(outcome.failed) + (outcome.failed == 1 ? " run" : " runs") +
                                        " failed; the same command runs again what is not finished");
    return collect(plan, directory);
}

}  // namespace

int sweepCommand(const LabOptions& options)
{
    const SweepPlan& plan = options.sweep.plan;
    const std::string& directory = options.sweep.directory;
    if (options.sweep.action != SweepAction::plan) {
        const std::string missing = missingTools(plan);
        if (!missing.empty()) return report(refusedStatus, missing);
    }
    const std::string made = makeDirectory(directory + "/runs");
    if (!made.empty()) return report(failedStatus, made);
    const DirectoryLock lock(directory);
    if (!lock.problem().empty()) return report(refusedStatus, lock.problem());
    std::string problem = planProblem(plan, directory);
    if (!problem.empty()) return report(refusedStatus, problem);
    if (options.sweep.action == SweepAction::collect) return collect(plan, directory);

    const SweepUse use = options.sweep.action == SweepAction::plan ? SweepUse::plan
                         : options.sweep.redoDamaged               ? SweepUse::redo
                                                                   : SweepUse::resume;
    const std::vector<RunCheck> checks = checkSweepRuns(plan, directory);
    problem = sweepRunsProblem(checks, directory, use);
    if (!problem.empty()) return report(refusedStatus, problem);
    problem = writePlan(plan, directory);
    if (!problem.empty()) return report(failedStatus, problem);
    return use == SweepUse::plan ? writeJobs(plan, directory) : runHere(options, checks, use);
}
