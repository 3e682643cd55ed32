// Keyframes, and the steps worked out again from them.
#include "worldHistory.h"

#include "simulationStep.h"

WorldHistory::WorldHistory(std::size_t budgetBytes, int keyframeInterval) : budget(budgetBytes), interval(keyframeInterval) {}

std::size_t worldBytes(const World& world)
{
    return sizeof(World) + world.cells.capacity() * sizeof(Cell) + world.lineageStack.capacity() * sizeof(LineageFrame);
}

void WorldHistory::restart(const World& world)
{
    keyframes.clear();
    keptBytes = 0;
    presentStep = newestStep = 0;
    keep(world);
}

void WorldHistory::stepped(const World& world)
{
    dropAfter(presentStep);
    newestStep = ++presentStep;
    if (presentStep % interval == 0) keep(world);
}

void WorldHistory::changed(const World& world)
{
    dropAfter(presentStep - 1);
    newestStep = presentStep;
    keep(world);
}

bool WorldHistory::back(World& world)
{
    if (presentStep <= oldest()) return false;
    const int target = presentStep - 1;
    auto from = keyframes.rbegin();
    while (from->step > target) ++from;
    World rebuilt = from->world;
    for (int step = from->step; step < target; ++step) simulationStep(rebuilt);
    world = std::move(rebuilt);
    presentStep = target;
    return true;
}

bool WorldHistory::forward(World& world)
{
    if (presentStep >= newestStep) return false;
    const int target = presentStep + 1;
    auto at = keyframes.rbegin();
    while (at != keyframes.rend() && at->step > target) ++at;
    // The present world stepped once is the next one, unless a person changed that one.
    if (at != keyframes.rend() && at->step == target) {
        world = at->world;
    } else {
        simulationStep(world);
    }
    presentStep = target;
    return true;
}

void WorldHistory::setBudget(std::size_t budgetBytes)
{
    budget = budgetBytes;
    trim();
}

void WorldHistory::keep(const World& world)
{
    keyframes.push_back({presentStep, world});
    keptBytes += worldBytes(world);
    trim();
}

void WorldHistory::dropAfter(int step)
{
    while (!keyframes.empty() && keyframes.back().step > step) {
        keptBytes -= worldBytes(keyframes.back().world);
        keyframes.pop_back();
    }
}

void WorldHistory::trim()
{
    while (keyframes.size() > 1 && keptBytes > budget) {
        keptBytes -= worldBytes(keyframes.front().world);
        keyframes.pop_front();
    }
}
