// A world's statistics over its steps, as the Plots window shows them: one row per step, the
// rows of the world as it stands now.
#pragma once

#include "worldStatistics.h"

#include <cstddef>
#include <deque>

struct World;

class StatisticsSeries {
public:
    // The rows kept: the newest steps, this many at most.
    static constexpr std::size_t keptRows = 5000;

    // Measures the world and makes it the last row: rows of its step or later go first, so that a
    // world gone back or changed at the same step replaces what it was.
    void record(World& world);
    // Starts again with no rows (a new topology, a loaded world).
    void restart() { rows.clear(); }

    std::deque<WorldStatistics> rows;
};
