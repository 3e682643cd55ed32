// The program's command line, read before the display is opened: GLUT's own options (-display,
// -geometry and the rest) are passed over here and left for glutInit.
#pragma once

#include "sizeOptions.h"

#include <cstdint>
#include <string>

struct StartOptions {
    std::uint32_t seed = 0;
    bool seedGiven = false;
    std::string loadFile;  // a world file to start from
    std::string saveOnExitFile;  // where the world goes when the program is closed
    std::string recordDirectory;  // where frame-STEP.png pictures go
    int recordEvery = 1;
    bool plots = false;  // the Plots window open at start
    int historyMegabytes = 64;  // memory for going back in time and for undo
    GivenSizes sizes;  // the size each topology is built at, the Topology choice's too
    std::string helpText;  // what --help shows
};

// Reads argv into options. Returns "" when they make sense together, otherwise one line saying
// what is wrong (an option given twice among them). --help leaves the help text in options.
std::string parseStartOptions(int argc, const char* const* argv, StartOptions& options);
