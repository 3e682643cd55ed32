// What a run is made with, as its directory keeps it in run.txt: the settings that decide its
// results, one "key = value" a line, then the command line that makes the run again.
#pragma once

#include "labOptions.h"
#include "runCheck.h"

#include <cstdint>
#include <string>

// The settings lines of a run with these options and this seed (the one it was given, or the
// clock's): the same text for the same run wherever its files lie.
std::string runSettingsText(const LabOptions& options, std::uint32_t seed);

// Writes outDirectory/run.txt: the settings, then "command = " and a shell command line, with
// absolute paths, that runs the same run again. "" when written.
std::string writeRunRecord(const LabOptions& options, std::uint32_t seed);

// What the run's directory must hold when a sweep's run is whole: the settings its own command
// line gives it, the steps of its table, its movie.
ExpectedRun expectedRun(const SweepPlan& plan, const SweepRun& run, const std::string& outDirectory);
