// run.txt: written by every run before its first step, read by sweeps to tell their own runs from
// others'.
#include "runSettings.h"

#include "childProgram.h"
#include "directories.h"
#include "renderMode.h"
#include "world.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr int floatDigits = 9;  // enough for any float to come back exactly
const char* const commandKey = "command = ";

const char* onOff(bool on) { return on ? "on" : "off"; }

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
        add({"--topology", topologyNames[options.topology], "--seed", std::to_string(seed), "--disaster-rate",
             shortestFloat(options.disasterRate)});
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

std::string shortestFloat(float value)
{
    char text[32];
    for (int digits = 1; digits <= floatDigits; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value) break;
    }
    return text;
}

std::string runSettingsText(const LabOptions& options, std::uint32_t seed)
{
    std::string text;
    if (!options.loadFile.empty()) text = "load = " + absolutePath(options.loadFile) + "\n";
    else
        text = std::string("topology = ") + topologyNames[options.topology] + "\nseed = " + std::to_string(seed) +
               "\ndisaster-rate = " + shortestFloat(options.disasterRate) + "\npollution = " + onOff(options.pollution) +
               "\nhuman-rules = " + onOff(options.humanRules) + "\nlineages = " + onOff(options.lineages) + "\n";
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
         << runSettingsText(options, seed) << commandKey << commandLine(options, seed) << "\n";
    file.close();
    return file ? "" : "cannot write " + path + ": " + std::strerror(errno);
}

std::optional<std::string> recordedSettings(const std::string& directory)
{
    std::ifstream file(directory + "/run.txt", std::ios::binary);
    if (!file) return std::nullopt;
    std::string settings;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#' && line.rfind(commandKey, 0) != 0) settings += line + "\n";
    return settings;
}

std::string settingDifference(const std::string& recorded, const std::string& expected)
{
    // Settings lines are never empty, so an empty one stands for the end of either.
    std::istringstream had(recorded), wanted(expected);
    std::string held, asked;
    while (held == asked) {
        if (!std::getline(had, held)) held.clear();
        if (!std::getline(wanted, asked)) asked.clear();
        if (held.empty() && asked.empty()) return {};
    }
    const std::size_t equals = asked.find(" = ");
    if (equals == std::string::npos || held.compare(0, equals + 3, asked, 0, equals + 3) != 0)
        return "\"" + held + "\" where the plan has \"" + asked + "\"";
    return asked.substr(0, equals) + " " + held.substr(equals + 3) + ", not " + asked.substr(equals + 3);
}
