// The past of one world, position by position: each step moves the present one position on, and a
// person's change replaces the world at the present. Keyframes, copies of the world every few
// positions and after each change, let any position from the oldest keyframe on be worked out again
// exactly by stepping forward (a world carries its generator); a row of statistics per position
// draws the curves of that past. A timeline is a value, and copies share its keyframes and rows.
#pragma once

#include "statisticsRows.h"
#include "storedWorld.h"

#include <deque>
#include <vector>

class WorldTimeline {
public:
    // Going back one position costs at most this many steps.
    static constexpr int keyframeInterval = 25;

    // No positions yet; blocks will count into count.
    explicit WorldTimeline(ByteCount count = nullptr);
    // The world alone at position 0.
    WorldTimeline(World& world, const WorldStatistics& row, const ByteCount& count);

    // The world one step after the present, with its row: the present moves on, and the future
    // that was recorded beyond the old present is dropped.
    void stepped(World& world, const WorldStatistics& row);
    // A person changed the world at the present: its row now, the future dropped. keep() stores
    // the changed world, once it stops changing.
    void changed(const WorldStatistics& row);
    // Makes the world at the present a keyframe, replacing one there.
    void keep(World& world);

    // Makes world the world one position before the present (false, world unchanged, when no
    // keyframe is that old).
    bool back(World& world);
    // Makes world the recorded world one position after the present (false, world unchanged, when
    // the present is the newest). The world passed in must be the present one.
    bool forward(World& world);

    int present() const { return presentPosition; }
    int newest() const { return newestPosition; }
    // The oldest keyframe's position, or the present when there is none.
    int oldest() const { return keyframes.empty() ? presentPosition : keyframes.front().position; }
    bool hasKeyframes() const { return !keyframes.empty(); }
    // Whether positions before oldest() were there once and were dropped to save memory.
    bool pastDropped() const { return oldest() > 0; }
    // The keyframe of the present position, nullptr when it has none.
    SharedWorld keyframeAtPresent() const;
    // Drops the oldest keyframe, or the future when every keyframe lies beyond the present.
    void dropOldestKeyframe();
    // Whether the present could still go back after that.
    bool canDropOldestAndGoBack() const;

    // The rows of the present world's own past, oldest first, ending with the present: back as far
    // as rows are kept and its step count runs on without a break (Kill All and a new topology
    // start the count again).
    std::vector<WorldStatistics> pastRows() const;

private:
    struct Keyframe {
        int position;
        SharedWorld world;
    };
    void dropAfter(int position);
    // The newest keyframe at or before position, keyframes.end() when none.
    std::deque<Keyframe>::const_iterator keyframeFor(int position) const;

    std::deque<Keyframe> keyframes;  // in increasing position, never two at one
    StatisticsRows rows;
    int presentPosition = 0;
    int newestPosition = 0;
    ByteCount count;
};
