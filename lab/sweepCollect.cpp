// Collecting a sweep: every run's table checked, then joined and summarised in a fixed order, so
// that the same runs give the same bytes however they were run.
#include "sweepCollect.h"

#include "runTable.h"
#include "summaryPlot.h"
#include "sweepCheck.h"
#include "worldStatistics.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

namespace {

const char* const sweptColumns = "topology,disaster_rate,pollution,human_rules,lineage_rule";

std::string formatted(double value)
{
    if (std::isnan(value)) return "";
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", value);
    return text;
}

// The setting's values, the size after the topology in a sweep that gives sizes.
std::string settingColumns(const SweepPlan& plan, const SweepRun& run)
{
    std::string text = run.setting[0] + "," + (plan.sized() ? run.size + "," : "");
    for (int key = 1; key < sweptKeyCount; ++key) text += run.setting[key] + ",";
    return text;
}

// The header's names of those columns.
std::string settingHeader(const SweepPlan& plan)
{
    return plan.sized() ? "topology,size,disaster_rate,pollution,human_rules,lineage_rule" : sweptColumns;
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

std::string settingName(const SweepPlan& plan, const SweepRun& run)
{
    std::string name;
    const int topology = topologyNamed(run.setting[0]);
    if (plan.sizes[topology].size() > 1) name = "size " + run.size;
    for (int key = 1; key < sweptKeyCount; ++key) {
        if (plan.lists[key].size() < 2) continue;
        std::string word = std::string(sweptKeys[key]) + " " + run.setting[key];
        std::replace(word.begin(), word.end(), '-', ' ');
        name += (name.empty() ? "" : ", ") + word;
    }
    return name.empty() ? "all runs" : name;
}

CollectResult collectSweep(const SweepPlan& plan, const std::string& directory)
{
    const std::string refusal = sweepRunsProblem(checkSweepRuns(plan, directory), directory, SweepUse::collect);
    if (!refusal.empty()) return {2, refusal};
    const std::vector<SweepRun> runs = sweepRuns(plan);
    const std::vector<long long> steps = recordedSteps(0, plan.steps, plan.every);
    std::vector<RunTable> tables(runs.size());
    for (std::size_t at = 0; at < runs.size(); ++at) {
        const std::string problem = readRunTable(runDirectory(directory, runs[at].number) + "/stats.csv", steps, tables[at]);
        if (!problem.empty()) return {2, runDirectory(directory, runs[at].number) + " changed while it was read: " + problem};
    }

    const std::vector<std::string> names = statisticNames();
    std::string joined = std::string(plan.sized() ? "run,topology,size,seed," : "run,topology,seed,") +
                         "disaster_rate,pollution,human_rules,lineage_rule," + statisticsHeader();
    for (std::size_t at = 0; at < runs.size(); ++at) {
        const SweepRun& run = runs[at];
        std::string prefix = std::to_string(run.number) + "," + run.setting[0] + "," + (plan.sized() ? run.size + "," : "") +
                             std::to_string(run.seed) + ",";
        for (int key = 1; key < sweptKeyCount; ++key) prefix += run.setting[key] + ",";
        for (const std::string& row : tables[at].rows) joined += prefix + row + "\n";
    }
    std::string summary = settingHeader(plan) + ",step,seeds";
    for (const std::string& name : names) summary += "," + name + "_mean," + name + "_sd";
    summary += "\n";
    std::vector<SummarySeries> series;
    const std::size_t seeds = plan.seeds.size();
    for (std::size_t first = 0; first < runs.size(); first += seeds) {
        series.push_back({settingName(plan, runs[first]), runs[first].setting[0], {}});
        for (std::size_t row = 0; row < steps.size(); ++row) {
            summary += settingColumns(plan, runs[first]) + std::to_string(steps[row]) + "," + std::to_string(seeds);
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
    std::vector<SummaryPanel> panels;
    for (std::size_t column = 0; column < names.size(); ++column) {
        std::string title = names[column];
        std::replace(title.begin(), title.end(), '_', ' ');
        panels.push_back({title, statisticRanges()[column].lowest, statisticRanges()[column].highest});
    }
    if (problem.empty()) problem = plotSummary(series, panels, directory + "/summary.png");
    return {problem.empty() ? 0 : 1, problem};
}
