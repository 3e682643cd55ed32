// quillmoss-lab: reproducible runs of Quillmoss's world without a display, with numbers, pictures
// and saved worlds.
#include "labOptions.h"
#include "labRun.h"

#include <cstdio>

namespace {
constexpr int usageStatus = 2;
}  // namespace

int main(int argc, char** argv)
{
    LabOptions options;
    const std::string problem = parseLabOptions(argc, argv, options);
    if (!problem.empty()) {
        std::fprintf(stderr, "quillmoss-lab: %s\nTry 'quillmoss-lab --help' for the commands and options.\n", problem.c_str());
        return usageStatus;
    }
    switch (options.command) {
    case LabCommand::run: return runCommand(options);
    case LabCommand::save: return saveCommand(options);
    case LabCommand::bench: return benchCommand(options);
    case LabCommand::sweep: return sweepCommand(options);
    case LabCommand::help: break;
    }
    std::fputs(options.helpText.c_str(), stdout);
    return 0;
}
