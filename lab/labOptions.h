// The command line of quillmoss-lab: its commands and their options.
#pragma once

#include "sweepPlan.h"

#include <cstdint>
#include <string>

enum class LabCommand { help, run, save, bench, sweep };

// What a sweep does with its directory.
enum class SweepAction { run, plan, collect };

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
    long long every = 100;
    std::string outDirectory = "lab-output";
    int mode = 0;  // the outer RenderMode of the snapshots
    int inner = 0;  // the inner RenderMode
    std::string loadFile;
    std::string saveFile;
    std::string movieFile;  // the snapshots as a video, when named
    long long fps = 10;
    bool skipComplete = false;  // a run that finds itself whole in its directory does nothing
    SweepTexts sweepTexts;  // the sweep's keys as given on the command line
    std::string sweepFile;
    SweepAction sweepAction = SweepAction::run;
    std::string sweepDirectory;
    long long workers = 0;  // 0: one for each core
    bool redoDamaged = false;  // runs whose files are damaged are run again
    SweepPlan plan;  // read from the command line and the sweep file (or a plan's directory)
    std::string helpText;  // what --help shows, for the help command
};

// Reads argv into options. Returns "" when they make sense together, otherwise one line saying
// what is wrong (an unknown command, option, topology or mode, a missing or bad value, options
// that contradict each other). --help anywhere, or the help command, asks for the help text.
std::string parseLabOptions(int argc, const char* const* argv, LabOptions& options);

// A render mode by the Render panel's name, in any letter case; -1 when there is none.
int renderModeNamed(const std::string& name);
