// What a run is made with, as its directory keeps it in run.txt: the settings that decide its
// results, one "key = value" a line, then the command line that makes the run again.
#pragma once

#include "labOptions.h"

#include <cstdint>
#include <optional>
#include <string>

// The shortest text that reads back as the same float, so that 0.01 stays "0.01".
std::string shortestFloat(float value);

// The settings lines of a run with these options and this seed (the one it was given, or the
// clock's): the same text for the same run wherever its files lie.
std::string runSettingsText(const LabOptions& options, std::uint32_t seed);

// Writes outDirectory/run.txt: the settings, then "command = " and a shell command line, with
// absolute paths, that runs the same run again. "" when written.
std::string writeRunRecord(const LabOptions& options, std::uint32_t seed);

// The settings lines of directory/run.txt; none when it has no run.txt.
std::optional<std::string> recordedSettings(const std::string& directory);

// The first setting in which recorded differs from expected: "disaster-rate 0.05, not 0.1".
std::string settingDifference(const std::string& recorded, const std::string& expected);
