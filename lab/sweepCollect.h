// A sweep's results brought together: every run's table in one, the mean and spread over seeds of
// each setting, and a plot of them.
#pragma once

#include "sweepPlan.h"

#include <string>

struct CollectResult {
    int status = 0;  // 0 written, 1 a file could not be written, 2 runs missing or damaged
    std::string problem;
};

// The legend's name of a run's setting: the values of the options that vary in the sweep ("size
// 160x160, disaster rate 0.1"), but for the topology, which has a column of panels of its own when
// it varies; "all runs" when nothing else varies.
std::string settingName(const SweepPlan& plan, const SweepRun& run);

// Reads every run's stats.csv under directory and writes directory/sweep.csv, summary.csv and
// summary.png. Nothing is written unless every run is there, sound, and made as the plan says.
CollectResult collectSweep(const SweepPlan& plan, const std::string& directory);
