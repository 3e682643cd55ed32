// A world's history: its past, to go back and forward in step by step, and the person's actions on
// it, to undo and redo, within one memory budget. An undo gives back the world as it was before
// the action together with its past, so going back from it reaches the steps before the action; a
// redo gives back the world undone from, with its past too.
#pragma once

#include "worldTimeline.h"

#include <cstddef>
#include <deque>
#include <vector>

class WorldHistory {
public:
    // The newest this many actions are kept before any keyframe is given up.
    static constexpr std::size_t keptActions = 20;

    // Holds at most budgetBytes: keyframes, rows and the worlds of undo and redo together.
    explicit WorldHistory(std::size_t budgetBytes);

    // Forgets everything: the world as it is now is the whole past (program start, a loaded world).
    void restart(World& world);
    void setBudget(std::size_t budgetBytes);
    std::size_t budgetBytes() const { return budget; }

    // Steps the world once and records the step; a future recorded beyond the present is dropped.
    void step(World& world);
    // Before a person's action: the world and its past are kept for undo, and nothing undone
    // before can be redone any more.
    void beginAction(World& world);
    // After the action changed the world: its row at once, its keyframe when the world moves on.
    void changed(World& world);

    // One step back or forward along the past (false, world unchanged, when there is none). Going
    // back costs at most a keyframe interval of steps.
    bool back(World& world);
    bool forward(World& world);
    // Undo and redo of whole actions (false, world unchanged, when there is none).
    bool undo(World& world);
    bool redo(World& world);

    // The rows of the present world's own past, oldest first, ending with the present.
    std::vector<WorldStatistics> pastRows() const { return timeline.pastRows(); }
    // Whether steps before the oldest reachable one, or actions before the oldest undoable one,
    // were given up to keep to the budget.
    bool pastDropped() const { return timeline.pastDropped(); }
    bool actionsDropped() const { return droppedActions > 0; }
    // The bytes of the last kept world that the budget could not hold even alone, so that it was
    // let go at once and the history kept no past at all; 0 while every world fitted.
    std::size_t unheldWorldBytes() const { return unheldBytes; }

    int present() const { return timeline.present(); }
    int newest() const { return timeline.newest(); }
    int oldest() const { return timeline.oldest(); }
    std::size_t undoable() const { return undone.size(); }
    std::size_t redoable() const { return redone.size(); }
    // The memory everything the history holds takes now.
    std::size_t bytes() const { return *count; }

private:
    // A world with its past, as undo and redo keep it.
    struct Moment {
        SharedWorld world;
        WorldTimeline timeline;
    };
    void settle(World& world);
    Moment moment(World& world);
    void become(Moment moment, World& world);
    bool takeLast(std::deque<Moment>& from, std::deque<Moment>& to, World& world);
    bool dropOldestKeyframe(bool keepPresent);
    void dropOldestAction();
    void trim();

    ByteCount count = std::make_shared<std::size_t>(0);
    std::size_t budget;
    WorldTimeline timeline{count};
    std::deque<Moment> undone;  // the world before each action, oldest first
    std::deque<Moment> redone;  // the worlds undone from, the last undone last
    bool changePending = false;  // a change made but not yet a keyframe
    std::size_t droppedActions = 0;
    std::size_t unheldBytes = 0;
};
