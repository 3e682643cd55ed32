// Reading the program's command line.
#include "startOptions.h"

#include "commandLine.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <utility>
#include <vector>

namespace {

// More than any machine this runs on would give: a typing slip, not a wish.
constexpr long long maxHistoryMegabytes = 65536;

const char* const description =
    "Quillmoss: an artificial-life sandbox. Cultures grow, adapt, terraform, learn, spread and conquer on a plane, "
    "a disc or a sphere. GLUT's own options (-display, -geometry) work too.";

// GLUT's own options, and whether each takes a value.
const std::pair<const char*, bool> glutOptions[] = {{"-display", true},   {"-geometry", true}, {"-direct", false},
                                                    {"-indirect", false}, {"-iconic", false},  {"-gldebug", false},
                                                    {"-sync", false}};

// argv without GLUT's own options; "" or the GLUT option that lacks its value.
std::string withoutGlutOptions(int argc, const char* const* argv, std::vector<const char*>& ours)
{
    ours.assign(argv, argv + std::min(argc, 1));
    for (int at = 1; at < argc; ++at) {
        const auto glut = std::find_if(std::begin(glutOptions), std::end(glutOptions),
                                       [&](const auto& option) { return std::string(option.first) == argv[at]; });
        if (glut == std::end(glutOptions)) {
            ours.push_back(argv[at]);
        } else if (glut->second && ++at == argc) {
            return std::string(glut->first) + " needs a value";
        }
    }
    return {};
}

}  // namespace

std::string parseStartOptions(int argc, const char* const* argv, StartOptions& options)
{
    options = StartOptions{};
    std::vector<const char*> ours;
    std::string problem = withoutGlutOptions(argc, argv, ours);
    if (!problem.empty()) return problem;
    CLI::App quillmoss(description, "quillmoss");
    quillmoss.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    CLI::Option* seed = addWholeOption(quillmoss, "--seed", options.seed, 0, std::numeric_limits<std::uint32_t>::max(),
                                       "the generator's seed, 0..4294967295, instead of the clock: the same seed starts "
                                       "the same world");
    CLI::Option* load = addPathOption(quillmoss, "--load", "FILE", options.loadFile,
                                      "start from a world file written by quillmoss-lab save or run --save (its lattice, "
                                      "cells, rules and generator)");
    addPathOption(quillmoss, "--save-on-exit", "FILE", options.saveOnExitFile,
                  "when the program is closed, write the world to FILE (a world file the lab and --load read)");
    CLI::Option* record = addPathOption(quillmoss, "--record", "DIR", options.recordDirectory,
                                        "write the world window's picture after every Kth step as DIR/frame-STEP.png");
    CLI::Option* every = addWholeOption(quillmoss, "--record-every", options.recordEvery, 1, std::numeric_limits<int>::max(),
                                        "with --record: the steps between recorded pictures (default 1)");
    // A flag takes the last of its repeats unless told otherwise: given twice, it is refused as every option is.
    quillmoss.add_flag("--plots", options.plots, "open the Plots window at start (the p key opens and closes it)")
        ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
    addWholeOption(quillmoss, "--history-mb", options.historyMegabytes, 1, maxHistoryMegabytes,
                   "memory for going back in time ([ and ]) and for undo (Ctrl+Z), in MiB (default 64)");
    addSizeOptions(quillmoss, options.sizes);
    problem = readCommandLine(quillmoss, static_cast<int>(ours.size()), ours.data(), options.helpText);
    if (!problem.empty() || !options.helpText.empty()) return problem;
    options.seedGiven = seed->count() > 0;
    if (options.seedGiven && load->count() > 0) return "--load brings its own generator: leave --seed out";
    if (options.sizes.any() && load->count() > 0) return loadBringsItsSize;
    if (every->count() > 0 && record->count() == 0) return "--record-every needs --record DIR";
    return {};
}
