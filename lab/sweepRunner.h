// Running a sweep's unfinished runs on this machine, several at once.
#pragma once

#include "sweepPlan.h"

#include <string>
#include <vector>

// Runs the numbered runs of the plan as quillmoss-lab run processes, at most workers at once, each
// writing into its directory under sweepDirectory (its messages in log.txt there), and shows the
// progress on standard error. Returns the number of runs that failed.
int runSweep(const SweepPlan& plan, const std::vector<int>& numbers, const std::string& sweepDirectory, int workers);
