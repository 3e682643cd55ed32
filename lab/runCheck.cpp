// The checks, from what rules a run out to what makes it whole.
#include "runCheck.h"

#include "directoryLock.h"
#include "runTable.h"

#include <sys/stat.h>

#include <fstream>
#include <optional>
#include <sstream>

namespace {

bool exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

// The settings lines of directory/run.txt; none when it has no run.txt.
std::optional<std::string> recordedSettings(const std::string& directory)
{
    std::ifstream file(directory + "/run.txt", std::ios::binary);
    if (!file) return std::nullopt;
    std::string settings;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#' && line.rfind(runCommandKey, 0) != 0) settings += line + "\n";
    return settings;
}

// The first setting in which recorded differs from expected: "disaster-rate 0.05, not 0.1".
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

}  // namespace

RunCheck checkRun(const std::string& directory, const ExpectedRun& expected)
{
    const std::string inUse = directoryInUse(directory);
    if (!inUse.empty()) return {RunState::busy, inUse};
    const auto settings = recordedSettings(directory);
    if (settings && *settings != expected.settings)
        return {RunState::foreign, "made with " + settingDifference(*settings, expected.settings)};
    const std::string table = directory + "/stats.csv";
    if (!exists(table))
        return {RunState::unfinished, exists(table + ".partial") ? "unfinished, no stats.csv yet" : "no stats.csv"};
    if (!settings) return {RunState::damaged, "no run.txt to say how it was made"};
    RunTable read;
    const std::string problem = readRunTable(table, expected.steps, read);
    if (!problem.empty()) return {RunState::damaged, problem};
    if (!expected.moviePath.empty() && !exists(expected.moviePath))
        return {RunState::damaged, "no " + expected.moviePath.substr(expected.moviePath.rfind('/') + 1)};
    return {RunState::complete, ""};
}
