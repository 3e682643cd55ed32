// Recording the rows of a world's statistics.
#include "statisticsSeries.h"

#include "world.h"

void StatisticsSeries::record(World& world)
{
    const WorldStatistics now = measureWorld(world);
    while (!rows.empty() && rows.back().step >= now.step) rows.pop_back();
    rows.push_back(now);
    if (rows.size() > keptRows) rows.pop_front();
}
