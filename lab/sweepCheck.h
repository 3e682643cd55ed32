// The runs of a sweep's directory, each checked against the plan, and what they let the sweep do.
#pragma once

#include "runCheck.h"
#include "sweepPlan.h"

#include <string>
#include <vector>

// Each run of the plan as directory holds it, in the order of the runs.
std::vector<RunCheck> checkSweepRuns(const SweepPlan& plan, const std::string& directory);

enum class SweepUse {
    plan,  // write the plan for other machines
    resume,  // run what is unfinished
    redo,  // run what is unfinished or damaged
    collect,  // build the tables from runs that must all be whole
};

// "" when the runs allow the use; otherwise one line naming the runs in the way (runs in use,
// another sweep's runs, damaged ones) and how to go on.
std::string sweepRunsProblem(const std::vector<RunCheck>& checks, const std::string& directory, SweepUse use);

// The numbers of the runs the use runs, in order.
std::vector<int> runsToRun(const std::vector<RunCheck>& checks, SweepUse use);
