// The command line of quillmoss-lab: its commands and their options.
#pragma once

#include "sizeOptions.h"
#include "sweepOptions.h"

#include <cstdint>
#include <string>

enum class LabCommand { help, run, save, bench, sweep };

struct LabOptions {
    LabCommand command = LabCommand::help;
    int topology = -1;  // a Topology; -1 when not given
    long long steps = -1;  // -1 when not given
    std::uint32_t seed = 0;
    bool seedGiven = false;
    bool pollution = false;
    bool humanRules = false;
    bool lineages = false;
    float disasterRate = 0.0f;
    bool disasterRateGiven = false;
    GivenSizes sizes;  // a new world's size, when given
    long long every = 100;
    std::string outDirectory = "lab-output";
    int mode = 0;  // the outer RenderMode of the snapshots
    int inner = 0;  // the inner RenderMode
    std::string loadFile;
    std::string saveFile;
    std::string movieFile;  // the snapshots as a video, when named
    long long fps = 10;
    bool skipComplete = false;  // a run that finds itself whole in its directory does nothing
    SweepOptions sweep;  // the sweep command's
    std::string helpText;  // what --help shows, for the help command
};

// Reads argv into options. Returns "" when they make sense together, otherwise one line saying
// what is wrong (an unknown command, option, topology or mode, a missing or bad value, options
// that contradict each other). --help anywhere, or the help command, asks for the help text.
std::string parseLabOptions(int argc, const char* const* argv, LabOptions& options);
