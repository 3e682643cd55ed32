// The checks, from what rules a run out to what makes it whole.
#include "runCheck.h"

#include "directoryLock.h"
#include "runSettings.h"
#include "runTable.h"

#include <sys/stat.h>

namespace {

bool exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
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
