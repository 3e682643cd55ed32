// Measuring a world for the run's table.
#include "worldStatistics.h"

#include "lineages.h"
#include "world.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int lineageRuleSlot = 6;

int cultureClass(const Cell& cell)
{
    int colourClass = 0;
    for (int f : {cultureRedField, cultureGreenField, cultureBlueField}) {
        const int level = std::clamp(static_cast<int>(std::floor(cell.field[f] * cultureLevels)), 0, cultureLevels - 1);
        colourClass = colourClass * cultureLevels + level;
    }
    return colourClass;
}

// Neighbours in the walk mostly share their group and lineage: a value repeating the last one is
// not kept, so that few are left to sort.
void keep(std::vector<int>& values, int value)
{
    if (values.empty() || values.back() != value) values.push_back(value);
}

// How many different values: sorting a few beats a set's node per value, which measuring every step
// of a watched world cannot afford.
int distinctCount(std::vector<int>& values)
{
    std::sort(values.begin(), values.end());
    return static_cast<int>(std::unique(values.begin(), values.end()) - values.begin());
}

}  // namespace

bool lineageRuleOn(const World& world) { return world.rules[lineageRuleSlot] > 0.5f; }

WorldStatistics measureWorld(World& world)
{
    WorldStatistics statistics;
    statistics.step = world.stepCount;
    if (!world.currentLattice) return statistics;
    const bool lineagesOn = lineageRuleOn(world);
    // The labels the world keeps are those of its last step; the count is of the world as it is
    // now, and the world's own labels go back afterwards so that measuring changes nothing.
    std::vector<std::int32_t> keptLabels;
    if (lineagesOn) {
        for (int index = 0; index < world.cellCount; ++index) keptLabels.push_back(world.cells[index].lineage);
        computeLineages(world);
    }

    std::vector<int> groups;
    std::vector<int> lineages;
    std::vector<bool> cultures(cultureLevels * cultureLevels * cultureLevels, false);
    double technologySum = 0.0;
    double technologySquares = 0.0;
    double fitnessSum = 0.0;
    latticeCursor cursor;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor)) {
        const Cell& cell = world.cells[index];
        if (!(cell.field[populationField] > 0.0f)) continue;
        ++statistics.livingCells;
        statistics.totalPopulation += cell.field[populationField];
        technologySum += cell.field[technologyField];
        technologySquares += static_cast<double>(cell.field[technologyField]) * cell.field[technologyField];
        fitnessSum += 1.0 - std::fabs(static_cast<double>(cell.field[environmentField]) - cell.field[phenotypeField]);
        if (cell.group.id != -1) keep(groups, cell.group.id);
        if (lineagesOn && cell.lineage != -1) keep(lineages, cell.lineage);
        cultures[cultureClass(cell)] = true;
    }
    for (int index = 0; index < static_cast<int>(keptLabels.size()); ++index) world.cells[index].lineage = keptLabels[index];
    statistics.groups = distinctCount(groups);
    statistics.cultures = static_cast<int>(std::count(cultures.begin(), cultures.end(), true));
    statistics.lineages = lineagesOn ? distinctCount(lineages) : -1;
    if (statistics.livingCells > 0) {
        const double living = statistics.livingCells;
        statistics.technologyMean = technologySum / living;
        statistics.technologySpread =
            std::sqrt(std::max(0.0, technologySquares / living - statistics.technologyMean * statistics.technologyMean));
        statistics.meanFitness = fitnessSum / living;
    }
    return statistics;
}

const std::vector<StatisticRange>& statisticRanges()
{
    constexpr double unbounded = HUGE_VAL, halfRange = 0.5;
    static const std::vector<StatisticRange> ranges = {{0, unbounded}, {0, unbounded},
                                                       {0, 1},         {0, halfRange},
                                                       {0, unbounded}, {0, cultureLevels * cultureLevels * cultureLevels},
                                                       {0, 1},         {0, unbounded}};
    return ranges;
}

std::string statisticsHeader()
{
    return "step,living_cells,total_population,technology_mean,technology_spread,groups,cultures,mean_fitness,lineages\n";
}

std::string statisticsRow(const WorldStatistics& s)
{
    char row[256];
    std::snprintf(row, sizeof row, "%d,%d,%.6f,%.6f,%.6f,%d,%d,%.6f,", s.step, s.livingCells, s.totalPopulation, s.technologyMean,
                  s.technologySpread, s.groups, s.cultures, s.meanFitness);
    std::string line = row;
    if (s.lineages >= 0) line += std::to_string(s.lineages);
    return line + "\n";
}
