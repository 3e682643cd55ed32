// Running a sweep's unfinished runs on this machine, several at once.
#pragma once

#include "sweepPlan.h"

#include <string>
#include <vector>

struct SweepOutcome {
    int failed = 0;  // runs that failed or could not start
    int stopped = 0;  // runs stopped by the signal that stopped the sweep
    int signal = 0;  // the signal that stopped the sweep; 0 when it ran to the end
};

// Runs the numbered runs of the plan as quillmoss-lab run processes, at most workers at once, each
// writing into its directory under sweepDirectory (its messages in log.txt there), and shows the
// progress on standard error. Ctrl+C, SIGTERM or SIGHUP stop it: the signal goes on to the runs,
// whose unfinished tables stay stats.csv.partial, and no new run starts.
SweepOutcome runSweep(const SweepPlan& plan, const std::vector<int>& numbers, const std::string& sweepDirectory, int workers);
