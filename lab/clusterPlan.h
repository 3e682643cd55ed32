// A sweep written down for other machines: one command line per run, and a Slurm job array.
#pragma once

#include "sweepPlan.h"

#include <string>

// Writes directory/jobs.txt (line N runs run N into directory/runs, unless it is whole there already)
// and directory/slurm.sh; directory is absolute. "" when both are written.
std::string writeClusterPlan(const SweepPlan& plan, const std::string& directory);
