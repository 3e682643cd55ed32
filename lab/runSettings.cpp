// run.txt: written by every run before its first step, and the settings a sweep's run must have
// written there.
#include "runSettings.h"

#include "childProgram.h"
#include "directories.h"
#include "floatText.h"
#include "renderMode.h"
#include "runTable.h"
#include "world.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace {

const char* onOff(bool on) { return on ? "on" : "off"; }

// Whether the run's size was given: only then do its record and command line name it, so that a
// run at the default size writes what it always wrote.
bool sizeGiven(const LabOptions& options) { return options.loadFile.empty() && options.sizes.given[options.topology]; }

std::string movieFormat(const std::string& movieFile)
{
    return movieFile.empty() ? "off" : movieFile.substr(movieFile.rfind('.') + 1);
}

// The run's command line with every path absolute and the seed it took, so that it can be run
// again from anywhere.
std::string commandLine(const LabOptions& options, std::uint32_t seed)
{
    std::vector<std::string> words = {ownProgramPath(), "run"};
    const auto add = [&words](std::initializer_list<std::string> more) { words.insert(words.end(), more); };
    if (!options.loadFile.empty()) add({"--load", absolutePath(options.loadFile)});
    else {
        add({"--topology", topologyNames[options.topology]});
        if (sizeGiven(options)) add({sizeOptionNames[options.topology], sizeText(options.topology, options.sizes.sizes)});
        add({"--seed", std::to_string(seed), "--disaster-rate", shortestFloat(options.disasterRate)});
        if (options.pollution) add({"--pollution"});
        if (options.humanRules) add({"--human-rules"});
        if (options.lineages) add({"--lineages"});
    }
    add({"--steps", std::to_string(options.steps), "--every", std::to_string(options.every), "--mode",
         renderModeNames[options.mode], "--inner", renderModeNames[options.inner], "--out", absolutePath(options.outDirectory)});
    if (!options.movieFile.empty()) add({"--movie", absolutePath(options.movieFile), "--fps", std::to_string(options.fps)});
    if (!options.saveFile.empty()) add({"--save", absolutePath(options.saveFile)});
    std::string line;
    for (const std::string& word : words) line += (line.empty() ? "" : " ") + shellQuoted(word);
    return line;
}

}  // namespace

std::string runSettingsText(const LabOptions& options, std::uint32_t seed)
{
    std::string text;
    if (!options.loadFile.empty()) text = "load = " + absolutePath(options.loadFile) + "\n";
    else
        text = std::string("topology = ") + topologyNames[options.topology] + "\n" +
               (sizeGiven(options) ? "size = " + sizeText(options.topology, options.sizes.sizes) + "\n" : "") +
               "seed = " + std::to_string(seed) + "\ndisaster-rate = " + shortestFloat(options.disasterRate) +
               "\npollution = " + onOff(options.pollution) + "\nhuman-rules = " + onOff(options.humanRules) +
               "\nlineages = " + onOff(options.lineages) + "\n";
    text += "steps = " + std::to_string(options.steps) + "\nevery = " + std::to_string(options.every) + "\n";
    text += std::string("mode = ") + renderModeNames[options.mode] + "\ninner = " + renderModeNames[options.inner] + "\n";
    text += "movie = " + movieFormat(options.movieFile) + "\n";
    return options.movieFile.empty() ? text : text + "fps = " + std::to_string(options.fps) + "\n";
}

std::string writeRunRecord(const LabOptions& options, std::uint32_t seed)
{
    const std::string path = options.outDirectory + "/run.txt";
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << "# How this quillmoss-lab run was made; the command at the end makes it again.\n"
         << runSettingsText(options, seed) << runCommandKey << commandLine(options, seed) << "\n";
    file.close();
    return file ? "" : "cannot write " + path + ": " + std::strerror(errno);
}

ExpectedRun expectedRun(const SweepPlan& plan, const SweepRun& run, const std::string& outDirectory)
{
    // The settings come from the run's own command line read as the run reads it, so that they are
    // the very text the run writes into run.txt.
    std::vector<std::string> words = {"quillmoss-lab"};
    for (const std::string& argument : runArguments(plan, run, outDirectory)) words.push_back(argument);
    std::vector<const char*> argv;
    for (const std::string& word : words) argv.push_back(word.c_str());
    LabOptions options;
    parseLabOptions(static_cast<int>(argv.size()), argv.data(), options);
    return {runSettingsText(options, run.seed), recordedSteps(0, plan.steps, plan.every),
            plan.movies ? outDirectory + "/movie." + plan.movieFormat : ""};
}
