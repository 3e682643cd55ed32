// Reading quillmoss-lab's command line.
#include "labOptions.h"

#include "renderMode.h"
#include "renderSettings.h"
#include "world.h"
#include "worldSettings.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <strings.h>

const char* const labUsage =
    "usage: quillmoss-lab run --topology plane|disc|sphere --steps N [options]\n"
    "       quillmoss-lab run --load FILE --steps N [--every K] [--out DIR] [--mode NAME] [--inner NAME] [--save FILE]\n"
    "       quillmoss-lab save --topology plane|disc|sphere --save FILE [--steps N] [--seed S] [rules]\n"
    "       quillmoss-lab bench [--steps N]\n"
    "       quillmoss-lab --help\n"
    "\n"
    "run    builds a world (or loads one), runs N steps at full speed and writes into DIR:\n"
    "       stats.csv (a row every K steps), world-STEP.png snapshots every K steps, stats.png\n"
    "save   builds a world, runs N steps (default 0) and writes the whole world to FILE\n"
    "bench  steps per second on a populated world of each topology (N steps each, default 1000)\n"
    "\n"
    "options:\n"
    "  --topology plane|disc|sphere   the lattice of a new world\n"
    "  --steps N                      simulation steps to run (0 or more)\n"
    "  --seed S                       the generator's seed, 0..4294967295 (default: the clock; printed)\n"
    "  --pollution                    the Pollution rule on\n"
    "  --human-rules                  the Human Rules rule on\n"
    "  --lineages                     the lineage rule on (fills the lineages column)\n"
    "  --disaster-rate R              the chance of a disaster per step, 0..1 (default 0)\n"
    "  --every K                      steps between rows and snapshots (default 100)\n"
    "  --out DIR                      where run writes (default lab-output; made when missing)\n"
    "  --mode NAME                    the snapshots' render mode, as in the Render panel (default Environment)\n"
    "  --inner NAME                   the inner layer's render mode (default Culture; None for one layer)\n"
    "  --load FILE                    start from a saved world: its lattice, rules, disaster rate and generator\n"
    "  --save FILE                    write the world to FILE when the run ends\n"
    "\n"
    "render modes: Environment, Phenotype, \"Fitness Map\", Population, Culture, Metabolism, Spread,\n"
    "  Terraform, Assimilation, Technology, Groups, \"Group Strength\", Geneology, None\n";

namespace {

// Render modes by the Render panel's names; any letter case, so "fitness map" works too.
int modeNamed(const std::string& name)
{
    for (int mode = 0; mode < renderModeCount; ++mode)
        if (strcasecmp(name.c_str(), renderModeNames[mode]) == 0) return mode;
    return -1;
}

bool parseWhole(const std::string& text, long long largest, long long& value)
{
    if (text.empty() || text[0] == '-' || text[0] == '+') return false;
    errno = 0;
    char* end = nullptr;
    const long long parsed = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed > largest) return false;
    value = parsed;
    return true;
}

bool parseRate(const std::string& text, float& value)
{
    errno = 0;
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    if (text.empty() || errno != 0 || *end != '\0' || !std::isfinite(parsed) || parsed < 0.0 || parsed > 1.0) return false;
    value = static_cast<float>(parsed);
    return true;
}

// The options one after another; value() takes the word after an option that needs one.
class Words {
public:
    Words(int argc, const char* const* argv) : count(argc), words(argv) {}
    bool more() const { return at < count; }
    std::string next() { return words[at++]; }
    bool value(const std::string& option, std::string& out, std::string& problem)
    {
        if (!more()) {
            problem = option + " needs a value";
            return false;
        }
        out = next();
        return true;
    }

private:
    int count;
    const char* const* words;
    int at = 1;
};

std::string readOption(const std::string& option, Words& words, LabOptions& options)
{
    std::string text;
    std::string problem;
    const auto needValue = [&]() { return words.value(option, text, problem); };
    long long number = 0;
    if (option == "--pollution") options.pollution = true;
    else if (option == "--human-rules") options.humanRules = true;
    else if (option == "--lineages") options.lineages = true;
    else if (option == "--topology") {
        if (!needValue()) return problem;
        options.topology = topologyNamed(text);
        if (options.topology < 0) return "unknown topology \"" + text + "\" (plane, disc or sphere)";
    } else if (option == "--steps") {
        if (!needValue()) return problem;
        if (!parseWhole(text, std::numeric_limits<int>::max(), number))
            return "--steps needs a whole number from 0, not \"" + text + "\"";
        options.steps = number;
    } else if (option == "--seed") {
        if (!needValue()) return problem;
        if (!parseWhole(text, std::numeric_limits<std::uint32_t>::max(), number))
            return "--seed needs a whole number from 0 to 4294967295, not \"" + text + "\"";
        options.seed = static_cast<std::uint32_t>(number);
        options.seedGiven = true;
    } else if (option == "--disaster-rate") {
        if (!needValue()) return problem;
        if (!parseRate(text, options.disasterRate)) return "--disaster-rate needs a number from 0 to 1, not \"" + text + "\"";
        options.disasterRateGiven = true;
    } else if (option == "--every") {
        if (!needValue()) return problem;
        if (!parseWhole(text, std::numeric_limits<int>::max(), number) || number == 0)
            return "--every needs a whole number from 1, not \"" + text + "\"";
        options.every = number;
    } else if (option == "--mode" || option == "--inner") {
        if (!needValue()) return problem;
        const int mode = modeNamed(text);
        if (mode < 0) return "unknown render mode \"" + text + "\" (see --help for the names)";
        (option == "--mode" ? options.mode : options.inner) = mode;
    } else if (option == "--out") {
        if (!needValue()) return problem;
        if (text.empty()) return "--out needs a directory";
        options.outDirectory = text;
    } else if (option == "--load" || option == "--save") {
        if (!needValue()) return problem;
        if (text.empty()) return option + " needs a file";
        (option == "--load" ? options.loadFile : options.saveFile) = text;
    } else {
        return "unknown option \"" + option + "\"";
    }
    return {};
}

// Options that contradict the command or each other.
std::string checkTogether(const LabOptions& options)
{
    const bool loading = !options.loadFile.empty();
    if (options.command == LabCommand::bench) {
        if (options.topology >= 0 || loading || !options.saveFile.empty())
            return "bench measures every topology on a new world: give it only --steps";
        return {};
    }
    if (options.command == LabCommand::save && loading)
        return "save builds a new world: use run --load FILE --save FILE to continue one";
    if (options.command == LabCommand::save && options.saveFile.empty()) return "save needs --save FILE";
    if (options.command == LabCommand::run && options.steps < 0) return "run needs --steps N";
    if (loading && (options.topology >= 0 || options.seedGiven || options.pollution || options.humanRules || options.lineages ||
                    options.disasterRateGiven))
        return "--load brings its own topology, seed, rules and disaster rate: leave those options out";
    if (!loading && options.topology < 0) return "a new world needs --topology plane|disc|sphere";
    return {};
}

}  // namespace

std::string parseLabOptions(int argc, const char* const* argv, LabOptions& options)
{
    options = LabOptions{};
    options.mode = outerRenderMode;
    options.inner = innerRenderMode;
    if (argc < 2) return "no command given";
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") return {};
    if (command == "run") options.command = LabCommand::run;
    else if (command == "save") options.command = LabCommand::save;
    else if (command == "bench") options.command = LabCommand::bench;
    else return "unknown command \"" + command + "\" (run, save or bench)";

    Words words(argc, argv);
    words.next();
    while (words.more()) {
        const std::string option = words.next();
        if (option == "--help" || option == "-h") {
            options.command = LabCommand::help;
            return {};
        }
        const std::string problem = readOption(option, words, options);
        if (!problem.empty()) return problem;
    }
    return checkTogether(options);
}
