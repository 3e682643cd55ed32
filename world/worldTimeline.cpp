// Positions, keyframes and rows of one world's past.
#include "worldTimeline.h"

#include "simulationStep.h"

#include <algorithm>

WorldTimeline::WorldTimeline(ByteCount count) : rows(count), count(std::move(count)) {}

WorldTimeline::WorldTimeline(World& world, const WorldStatistics& row, const ByteCount& count) : WorldTimeline(count)
{
    rows.append(row);
    keep(world);
}

void WorldTimeline::stepped(World& world, const WorldStatistics& row)
{
    dropAfter(presentPosition);
    newestPosition = ++presentPosition;
    rows.append(row);
    if (presentPosition % keyframeInterval == 0) keep(world);
}

void WorldTimeline::changed(const WorldStatistics& row)
{
    dropAfter(presentPosition);
    rows.replaceLast(row);
}

void WorldTimeline::keep(World& world)
{
    auto stored = std::make_shared<const StoredWorld>(world, count);
    if (!keyframes.empty() && keyframes.back().position == presentPosition) {
        keyframes.back().world = std::move(stored);
    } else {
        keyframes.push_back({presentPosition, std::move(stored)});
    }
}

bool WorldTimeline::back(World& world)
{
    const int target = presentPosition - 1;
    const auto from = keyframeFor(target);
    if (from == keyframes.end()) return false;
    World rebuilt = from->world->restored();
    for (int position = from->position; position < target; ++position) simulationStep(rebuilt);
    world = std::move(rebuilt);
    presentPosition = target;
    return true;
}

bool WorldTimeline::forward(World& world)
{
    if (presentPosition >= newestPosition) return false;
    const int target = presentPosition + 1;
    const auto at = keyframeFor(target);
    // The present world stepped once is the next one, unless a person changed that one.
    if (at != keyframes.end() && at->position == target) {
        world = at->world->restored();
    } else {
        simulationStep(world);
    }
    presentPosition = target;
    return true;
}

SharedWorld WorldTimeline::keyframeAtPresent() const
{
    const auto at = keyframeFor(presentPosition);
    return at != keyframes.end() && at->position == presentPosition ? at->world : nullptr;
}

void WorldTimeline::dropOldestKeyframe()
{
    if (keyframes.empty()) return;
    if (keyframes.front().position <= presentPosition) {
        keyframes.pop_front();
    } else {
        dropAfter(presentPosition);
    }
}

bool WorldTimeline::canDropOldestAndGoBack() const
{
    if (!keyframes.empty() && keyframes.front().position > presentPosition) return true;
    return keyframes.size() > 1 && keyframes[1].position < presentPosition;
}

std::vector<WorldStatistics> WorldTimeline::pastRows() const
{
    if (presentPosition < rows.first() || presentPosition >= rows.end()) return {};
    int start = presentPosition;
    while (start > rows.first() && rows.at(start - 1).step + 1 == rows.at(start).step) --start;
    std::vector<WorldStatistics> past;
    for (int position = start; position <= presentPosition; ++position) past.push_back(rows.at(position));
    return past;
}

void WorldTimeline::dropAfter(int position)
{
    while (!keyframes.empty() && keyframes.back().position > position) keyframes.pop_back();
    rows.dropAfter(position);
    newestPosition = std::min(newestPosition, position);
}

std::deque<WorldTimeline::Keyframe>::const_iterator WorldTimeline::keyframeFor(int position) const
{
    const auto after = std::upper_bound(keyframes.begin(), keyframes.end(), position,
                                        [](int wanted, const Keyframe& keyframe) { return wanted < keyframe.position; });
    return after == keyframes.begin() ? keyframes.end() : std::prev(after);
}
