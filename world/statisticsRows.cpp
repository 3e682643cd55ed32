// Rows in shared chunks.
#include "statisticsRows.h"

namespace {
constexpr int chunkRows = 64;
}  // namespace

struct StatisticsRows::Chunk {
    Chunk(std::vector<WorldStatistics> rows, const ByteCount& count)
        : rows(std::move(rows)), held(count, sizeof(Chunk) + chunkRows * sizeof(WorldStatistics))
    {
        this->rows.reserve(chunkRows);
    }
    std::vector<WorldStatistics> rows;
    HeldBytes held;
};

int StatisticsRows::end() const
{
    if (chunks.empty()) return firstPosition;
    return firstPosition + static_cast<int>(chunks.size() - 1) * chunkRows + static_cast<int>(chunks.back()->rows.size());
}

const WorldStatistics& StatisticsRows::at(int position) const
{
    const int offset = position - firstPosition;
    return chunks[offset / chunkRows]->rows[offset % chunkRows];
}

void StatisticsRows::append(const WorldStatistics& row)
{
    if (chunks.empty() || chunks.back()->rows.size() == chunkRows) {
        chunks.push_back(std::make_shared<Chunk>(std::vector<WorldStatistics>{row}, count));
    } else {
        writableLast().rows.push_back(row);
    }
    if (end() - firstPosition - chunkRows >= keptRows) {
        chunks.erase(chunks.begin());
        firstPosition += chunkRows;
    }
}

void StatisticsRows::replaceLast(const WorldStatistics& row) { writableLast().rows.back() = row; }

void StatisticsRows::dropAfter(int position)
{
    if (position + 1 >= end()) return;
    const int kept = position + 1 - firstPosition;
    if (kept <= 0) {
        chunks.clear();
        firstPosition = position + 1;
        return;
    }
    chunks.resize((kept + chunkRows - 1) / chunkRows);
    writableLast().rows.resize(kept - (static_cast<int>(chunks.size()) - 1) * chunkRows);
}

StatisticsRows::Chunk& StatisticsRows::writableLast()
{
    std::shared_ptr<Chunk>& last = chunks.back();
    if (last.use_count() > 1) last = std::make_shared<Chunk>(last->rows, count);
    return *last;
}
