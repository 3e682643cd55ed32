// The sweep command: a directory that holds one plan, its runs and their collected results.
#include "labRun.h"

#include "clusterPlan.h"
#include "directories.h"
#include "sweepCollect.h"
#include "sweepRunner.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr int failedStatus = 1, refusedStatus = 2;

int report(int status, const std::string& problem)
{
    if (status != 0) std::fprintf(stderr, "quillmoss-lab: %s\n", problem.c_str());
    return status;
}

// Makes the directory hold this plan: a new one gets it, one that holds the same plan is taken up
// again, one with another plan is left alone.
int takeDirectory(const SweepPlan& plan, const std::string& directory)
{
    const std::string made = makeDirectory(directory + "/runs");
    if (!made.empty()) return report(failedStatus, made);
    const std::string planPath = directory + "/plan.txt", text = planText(plan);
    std::ifstream existing(planPath, std::ios::binary);
    if (existing) {
        if (std::string(std::istreambuf_iterator<char>(existing), {}) == text) return 0;
        return report(refusedStatus, directory + " holds a different sweep (see " + planPath +
                                         "): choose another directory, or go on with that sweep's plan (--file " + planPath +
                                         ")");
    }
    std::ofstream file(planPath, std::ios::binary);
    file << text;
    file.close();
    return file ? 0 : report(failedStatus, "cannot write " + planPath + ": " + std::strerror(errno));
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

}  // namespace

int sweepCommand(const LabOptions& options)
{
    const SweepPlan& plan = options.plan;
    const std::string& directory = options.sweepDirectory;
    if (options.sweepAction == SweepAction::collect) return collect(plan, directory);
    const int taken = takeDirectory(plan, directory);
    if (taken != 0) return taken;
    if (options.sweepAction == SweepAction::plan) {
        char absolute[PATH_MAX];
        if (!realpath(directory.c_str(), absolute)) return report(failedStatus, directory + ": " + std::strerror(errno));
        const std::string problem = writeClusterPlan(plan, absolute);
        if (problem.empty()) std::printf("%s/jobs.txt (%zu runs) and slurm.sh written\n", absolute, sweepRuns(plan).size());
        return report(problem.empty() ? 0 : failedStatus, problem);
    }
    const int workers = options.workers > 0 ? static_cast<int>(options.workers) : coreCount();
    const int failed = runSweep(plan, unfinishedRuns(plan, directory), directory, workers);
    if (failed > 0)
        return report(failedStatus, std::to_string(failed) + (failed == 1 ? " run" : " runs") +
                                        " failed; the same command runs again what is not finished");
    return collect(plan, directory);
}
