// The sweep command's options: its lists, its sweep file and what it does with its directory.
#pragma once

#include "sweepPlan.h"

#include <string>

namespace CLI {
class App;
}

// What a sweep does with its directory.
enum class SweepAction { run, plan, collect };

struct SweepOptions {
    SweepTexts texts;  // the sweep's keys as given on the command line
    std::string file;
    SweepAction action = SweepAction::run;
    std::string directory;
    long long workers = 0;  // 0: one for each core
    bool redoDamaged = false;  // runs whose files are damaged are run again
    SweepPlan plan;  // read from the command line and the sweep file (or a plan's directory)
};

void addSweepOptions(CLI::App& sweep, SweepOptions& options);

// Reads the sweep file (or the plan of the directory to collect) under the command line's values
// and builds the plan; "" when it stands, otherwise what is wrong.
std::string readSweep(SweepOptions& options);
