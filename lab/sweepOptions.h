// The sweep command's options.
#pragma once

#include "labOptions.h"

#include <CLI/CLI.hpp>

void addSweepOptions(CLI::App& sweep, LabOptions& options);

// Reads the sweep file (or the plan of the directory to collect) under the command line's values
// and builds the plan; "" when it stands, otherwise what is wrong.
std::string readSweep(LabOptions& options);
