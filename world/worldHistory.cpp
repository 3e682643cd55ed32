// The present timeline, the undo and redo lists, and the budget they share.
#include "worldHistory.h"

#include "simulationStep.h"

#include <algorithm>
#include <climits>

WorldHistory::WorldHistory(std::size_t budgetBytes) : budget(budgetBytes) {}

void WorldHistory::restart(World& world)
{
    undone.clear();
    redone.clear();
    droppedActions = 0;
    changePending = false;
    timeline = WorldTimeline(world, measureWorld(world), count);
    trim();
}

void WorldHistory::setBudget(std::size_t budgetBytes)
{
    budget = budgetBytes;
    trim();
}

void WorldHistory::step(World& world)
{
    settle(world);
    simulationStep(world);
    timeline.stepped(world, measureWorld(world));
    trim();
}

void WorldHistory::beginAction(World& world)
{
    undone.push_back(moment(world));
    redone.clear();
    trim();
}

void WorldHistory::changed(World& world)
{
    changePending = true;
    timeline.changed(measureWorld(world));
}

bool WorldHistory::back(World& world)
{
    settle(world);
    const bool moved = timeline.back(world);
    trim();
    return moved;
}

bool WorldHistory::forward(World& world)
{
    settle(world);
    const bool moved = timeline.forward(world);
    trim();
    return moved;
}

bool WorldHistory::undo(World& world) { return takeLast(undone, redone, world); }

bool WorldHistory::redo(World& world) { return takeLast(redone, undone, world); }

// The world goes to the last moment of from, and the present to the end of to; the budget is kept
// once both lists are whole again.
bool WorldHistory::takeLast(std::deque<Moment>& from, std::deque<Moment>& to, World& world)
{
    if (from.empty()) return false;
    Moment last = std::move(from.back());
    from.pop_back();
    to.push_back(moment(world));
    become(std::move(last), world);
    trim();
    return true;
}

// A change goes into the past once, before the world moves on from it. The caller trims after:
// trimming in between could let go of the very action it is working with.
void WorldHistory::settle(World& world)
{
    if (!changePending) return;
    changePending = false;
    timeline.keep(world);
}

// The world at the present of a settled timeline is its keyframe there, when it has one.
WorldHistory::Moment WorldHistory::moment(World& world)
{
    settle(world);
    SharedWorld kept = timeline.keyframeAtPresent();
    if (!kept) kept = std::make_shared<const StoredWorld>(world, count);
    return {std::move(kept), timeline};
}

void WorldHistory::become(Moment moment, World& world)
{
    world = moment.world->restored();
    timeline = std::move(moment.timeline);
}

// The oldest keyframe of every timeline held, the present's and those of undo and redo: they share
// most keyframes, and one is freed only when every timeline lets it go. With keepPresent the
// present's last keyframe before it stays, so that it can still go back a little.
bool WorldHistory::dropOldestKeyframe(bool keepPresent)
{
    std::vector<WorldTimeline*> timelines;
    if (!keepPresent || timeline.canDropOldestAndGoBack()) timelines.push_back(&timeline);
    for (Moment& kept : undone) timelines.push_back(&kept.timeline);
    for (Moment& kept : redone) timelines.push_back(&kept.timeline);
    int oldest = INT_MAX;
    for (const WorldTimeline* held : timelines)
        if (held->hasKeyframes()) oldest = std::min(oldest, held->oldest());
    if (oldest == INT_MAX) return false;
    for (WorldTimeline* held : timelines)
        if (held->hasKeyframes() && held->oldest() == oldest) held->dropOldestKeyframe();
    return true;
}

void WorldHistory::dropOldestAction()
{
    undone.pop_front();
    ++droppedActions;
}

// The actions beyond the newest keptActions go first, then the oldest keyframes but the one the
// present goes back from, then the oldest actions and what could be redone, and that keyframe last.
void WorldHistory::trim()
{
    while (*count > budget) {
        if (undone.size() > keptActions) {
            dropOldestAction();
        } else if (dropOldestKeyframe(true)) {
            continue;
        } else if (!undone.empty()) {
            dropOldestAction();
        } else if (!redone.empty()) {
            redone.pop_front();
        } else {
            const std::size_t before = *count;
            if (!dropOldestKeyframe(false)) return;
            unheldBytes = before - *count;
        }
    }
}
