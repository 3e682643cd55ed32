// The statistics of a world's past, one row per position of its timeline, kept in chunks that
// copies of the timeline share: a copy costs a pointer per chunk, and only a chunk being written
// while another copy holds it is ever duplicated.
#pragma once

#include "heldBytes.h"
#include "worldStatistics.h"

#include <memory>
#include <vector>

class StatisticsRows {
public:
    // At least the newest this many rows are kept; older ones go a chunk at a time.
    static constexpr int keptRows = 5000;

    StatisticsRows() = default;
    explicit StatisticsRows(ByteCount count) : count(std::move(count)) {}

    // The positions that have rows: first() up to, not including, end().
    int first() const { return firstPosition; }
    int end() const;
    const WorldStatistics& at(int position) const;

    // The row of position end().
    void append(const WorldStatistics& row);
    // Replaces the row of the last position.
    void replaceLast(const WorldStatistics& row);
    // Forgets the rows after position.
    void dropAfter(int position);

private:
    struct Chunk;
    Chunk& writableLast();

    std::vector<std::shared_ptr<Chunk>> chunks;
    int firstPosition = 0;
    ByteCount count;
};
