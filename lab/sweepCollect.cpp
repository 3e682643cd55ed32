// Collecting a sweep: every run's table checked, then joined and summarised in a fixed order, so
// that the same runs give the same bytes however they were run.
#include "sweepCollect.h"

#include "summaryPlot.h"
#include "worldStatistics.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

constexpr int namedAtMost = 10;  // runs named in a refusal; the rest are counted
const char* const sweptColumns = "topology,disaster_rate,pollution,human_rules,lineage_rule";

struct RunTable {
    std::vector<std::string> rows;  // the lines after the header
    std::vector<std::vector<double>> values;  // each row's statistics after the step; NaN for an empty one
};

bool exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> parts;
    std::stringstream stream(line);
    for (std::string part; std::getline(stream, part, ',');) parts.push_back(part);
    if (!line.empty() && line.back() == ',') parts.emplace_back();
    return parts;
}

std::vector<std::string> statisticNames()
{
    std::string header = statisticsHeader();
    header.pop_back();
    std::vector<std::string> names = fields(header);
    names.erase(names.begin());
    return names;
}

// The steps a run records: the first, every multiple of every, and the last.
std::vector<long long> recordedSteps(const SweepPlan& plan)
{
    std::vector<long long> steps;
    for (long long step = 0; step < plan.steps; step += plan.every - step % plan.every) steps.push_back(step);
    steps.push_back(plan.steps);
    return steps;
}

// Reads one run's table; "" when every row is there and sound, otherwise what is wrong with it.
std::string readRunTable(const std::string& path, const std::vector<long long>& steps, RunTable& table)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return exists(path + ".partial") ? "unfinished, no stats.csv yet" : "no stats.csv";
    std::string line;
    if (!std::getline(file, line) || line + "\n" != statisticsHeader()) return "stats.csv line 1 is not the header";
    const std::size_t columns = statisticNames().size() + 1;
    for (std::size_t row = 0; std::getline(file, line); ++row) {
        const std::string where = "stats.csv line " + std::to_string(row + 2);
        const std::vector<std::string> parts = fields(line);
        if (row >= steps.size()) return where + " is one more than the steps recorded";
        if (parts.size() != columns || parts[0] != std::to_string(steps[row]))
            return where + " is not the row of step " + std::to_string(steps[row]);
        std::vector<double> values;
        for (std::size_t at = 1; at < parts.size(); ++at) {
            char* end = nullptr;
            const double value = parts[at].empty() ? NAN : std::strtod(parts[at].c_str(), &end);
            if (!parts[at].empty() && (*end != '\0' || !std::isfinite(value)))
                return where + " holds \"" + parts[at] + "\", not a number";
            if (parts[at].empty() && at + 1 != parts.size()) return where + " has an empty column";
            values.push_back(value);
        }
        table.rows.push_back(line);
        table.values.push_back(values);
    }
    if (table.rows.size() != steps.size())
        return "stats.csv ends after " + std::to_string(table.rows.size()) + " of " + std::to_string(steps.size()) + " rows";
    return {};
}

std::string formatted(double value)
{
    if (std::isnan(value)) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

std::string settingColumns(const SweepRun& run)
{
    std::string text;
    for (const std::string& value : run.setting) text += value + ",";
    return text;
}

// The legend's name of a setting: the values of the options that vary in the sweep.
std::string settingName(const SweepPlan& plan, const SweepRun& run)
{
    std::string name;
    for (int key = 0; key < sweptKeyCount; ++key) {
        if (plan.lists[key].size() < 2) continue;
        std::string word = key == 0 ? run.setting[key] : std::string(sweptKeys[key]) + " " + run.setting[key];
        std::replace(word.begin(), word.end(), '-', ' ');
        name += (name.empty() ? "" : ", ") + word;
    }
    return name.empty() ? "all runs" : name;
}

// Mean and sample standard deviation of the seeds' values, in seed order; NaN when there are none.
std::pair<double, double> meanAndSpread(const std::vector<double>& values)
{
    double sum = 0.0;
    for (double value : values) sum += value;
    const double mean = sum / static_cast<double>(values.size());
    double squares = 0.0;
    for (double value : values) squares += (value - mean) * (value - mean);
    return {mean, values.size() > 1 ? std::sqrt(squares / static_cast<double>(values.size() - 1)) : 0.0};
}

std::string writeFile(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return file ? "" : "cannot write " + path + ": " + std::strerror(errno);
}

}  // namespace

std::vector<int> unfinishedRuns(const SweepPlan& plan, const std::string& directory)
{
    std::vector<int> numbers;
    for (const SweepRun& run : sweepRuns(plan))
        if (!exists(runDirectory(directory, run.number) + "/stats.csv")) numbers.push_back(run.number);
    return numbers;
}

CollectResult collectSweep(const SweepPlan& plan, const std::string& directory)
{
    const std::vector<SweepRun> runs = sweepRuns(plan);
    const std::vector<long long> steps = recordedSteps(plan);
    std::vector<RunTable> tables(runs.size());
    std::string troubles;
    int troubled = 0;
    for (std::size_t at = 0; at < runs.size(); ++at) {
        const std::string run = runDirectory(directory, runs[at].number);
        const std::string problem = readRunTable(run + "/stats.csv", steps, tables[at]);
        if (problem.empty() || ++troubled > namedAtMost) continue;
        troubles += (troubles.empty() ? "" : ", ") + run.substr(directory.size() + 1) + " (" + problem + ")";
    }
    if (troubled > 0) {
        if (troubled > namedAtMost) troubles += " and " + std::to_string(troubled - namedAtMost) + " more";
        return {2, std::to_string(troubled) + " of " + std::to_string(runs.size()) + " runs are missing or damaged: " + troubles};
    }

    const std::vector<std::string> names = statisticNames();
    std::string joined = "run,topology,seed,disaster_rate,pollution,human_rules,lineage_rule," + statisticsHeader();
    for (std::size_t at = 0; at < runs.size(); ++at) {
        const SweepRun& run = runs[at];
        std::string prefix = std::to_string(run.number) + "," + run.setting[0] + "," + std::to_string(run.seed) + ",";
        for (int key = 1; key < sweptKeyCount; ++key) prefix += run.setting[key] + ",";
        for (const std::string& row : tables[at].rows) joined += prefix + row + "\n";
    }
    std::string summary = std::string(sweptColumns) + ",step,seeds";
    for (const std::string& name : names) summary += "," + name + "_mean," + name + "_sd";
    summary += "\n";
    std::vector<SummarySeries> series;
    const std::size_t seeds = plan.seeds.size();
    for (std::size_t first = 0; first < runs.size(); first += seeds) {
        series.push_back({settingName(plan, runs[first]), {}});
        for (std::size_t row = 0; row < steps.size(); ++row) {
            summary += settingColumns(runs[first]) + std::to_string(steps[row]) + "," + std::to_string(seeds);
            std::vector<double> plotted = {static_cast<double>(steps[row])};
            for (std::size_t column = 0; column < names.size(); ++column) {
                std::vector<double> values;
                for (std::size_t at = first; at < first + seeds; ++at) values.push_back(tables[at].values[row][column]);
                const auto [mean, spread] = meanAndSpread(values);
                summary += "," + formatted(mean) + "," + formatted(std::isnan(mean) ? NAN : spread);
                plotted.push_back(mean);
                plotted.push_back(spread);
            }
            summary += "\n";
            series.back().rows.push_back(plotted);
        }
    }
    std::string problem = writeFile(directory + "/sweep.csv", joined);
    if (problem.empty()) problem = writeFile(directory + "/summary.csv", summary);
    std::vector<std::string> titles;
    for (std::string name : names) {
        std::replace(name.begin(), name.end(), '_', ' ');
        titles.push_back(name);
    }
    if (problem.empty()) problem = plotSummary(series, titles, directory + "/summary.png");
    return {problem.empty() ? 0 : 1, problem};
}
