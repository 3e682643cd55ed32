// A sweep's results brought together: every run's table in one, the mean and spread over seeds of
// each setting, and a plot of them.
#pragma once

#include "sweepPlan.h"

#include <string>

struct CollectResult {
    int status = 0;  // 0 written, 1 a file could not be written, 2 runs missing or damaged
    std::string problem;
};

// The runs of the plan that have no finished table in directory, by number.
std::vector<int> unfinishedRuns(const SweepPlan& plan, const std::string& directory);

// Reads every run's stats.csv under directory and writes directory/sweep.csv, summary.csv and
// summary.png. Nothing is written unless every run is there and sound.
CollectResult collectSweep(const SweepPlan& plan, const std::string& directory);
