// The numbers of a world that a run records, one row at a time.
#pragma once

#include <string>

struct World;
#include <vector>

struct WorldStatistics {
    int step = 0;
    int livingCells = 0;  // cells with Population above 0
    double totalPopulation = 0.0;
    double technologyMean = 0.0;  // over living cells
    double technologySpread = 0.0;  // standard deviation over living cells
    int groups = 0;  // distinct group ids among living cells
    int cultures = 0;  // distinct culture colour classes among living cells
    double meanFitness = 0.0;  // 1 - |Environment - Phenotype| over living cells
    int lineages = -1;  // distinct lineages among living cells; -1 while the lineage rule is off
};

// Culture colours fall into classes of this many levels per channel (8 x 8 x 8 classes).
inline constexpr int cultureLevels = 8;

// The numbers of a world; all 0 (lineages -1) for an empty world. Measuring draws nothing and
// leaves the world as it was (the lineage labels it works out go back afterwards).
WorldStatistics measureWorld(World& world);

// Whether the world's lineage rule is on, so that the lineages column holds numbers.
bool lineageRuleOn(const World& world);

// The values a statistic can take, for each column after the step: counts and sums from 0, means
// of cell values (each between 0 and 1) from 0 to 1, the spread of such values at most one half.
struct StatisticRange {
    double lowest;
    double highest;
};
const std::vector<StatisticRange>& statisticRanges();

// The CSV header and one row, with fixed formatting so that equal worlds give equal bytes.
std::string statisticsHeader();
std::string statisticsRow(const WorldStatistics& statistics);
