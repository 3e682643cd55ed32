// The past of a world, to go back and forward in step by step: keyframes, copies of the world every
// few steps and after every change a person makes, from which any step back to the oldest keyframe
// is worked out again, exactly, by stepping forward. A world carries its generator, so a keyframe
// stepped N times is bit for bit the world that was there N steps after it.
#pragma once

#include "world.h"

#include <cstddef>
#include <deque>

class WorldHistory {
public:
    // Keyframes every interval steps, at most budgetBytes of them (at least the newest is kept).
    WorldHistory(std::size_t budgetBytes, int interval);

    // Forgets everything: the world as it is now is the only past (a new topology, a loaded world).
    void restart(const World& world);
    // The world has been stepped once from the present: the present moves on, a future recorded
    // beyond it is dropped, and every interval steps the world becomes a keyframe.
    void stepped(const World& world);
    // A person changed the world at the present: the changed world is the keyframe there, and the
    // recorded future is dropped.
    void changed(const World& world);
    // Makes world the world one step before the present (false, world unchanged, at the oldest
    // step kept). Costs at most interval steps.
    bool back(World& world);
    // Makes world the recorded world one step after the present (false, world unchanged, when none
    // is recorded). The world passed in must be the present one.
    bool forward(World& world);

    // Steps since restart of the present world, and of the newest one recorded.
    int present() const { return presentStep; }
    int newest() const { return newestStep; }
    int oldest() const { return keyframes.empty() ? 0 : keyframes.front().step; }
    // The memory the keyframes hold; the budget, which the undo list's use may shrink.
    std::size_t bytes() const { return keptBytes; }
    void setBudget(std::size_t budgetBytes);

private:
    struct Keyframe {
        int step;
        World world;
    };
    void keep(const World& world);
    void dropAfter(int step);
    void trim();

    std::deque<Keyframe> keyframes;  // in increasing step; two at one step never
    std::size_t keptBytes = 0;  // the keyframes' worldBytes
    std::size_t budget;
    int interval;
    int presentStep = 0;
    int newestStep = 0;
};

// The memory a world's cells and work stack take.
std::size_t worldBytes(const World& world);
