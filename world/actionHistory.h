// Undo and redo of what a person does to a world: the world as it was before each action, and the
// worlds undone from, kept as whole copies (a world carries its generator, so a copy is exact).
#pragma once

#include "world.h"

#include <cstddef>
#include <deque>
#include <vector>

class ActionHistory {
public:
    // At least this many actions are kept, however large their worlds.
    static constexpr std::size_t keptActions = 20;

    // Before an action: the world as it is. Anything undone before can no longer be redone.
    void begin(const World& before);
    // Makes world the world before the last action not yet undone, keeping the world it was for
    // redo (false, world unchanged, when there is none).
    bool undo(World& world);
    // Makes world the world the last undo left (false, world unchanged, when there is none).
    bool redo(World& world);
    // Drops the oldest actions beyond keptActions while their worlds take more than budgetBytes.
    void trim(std::size_t budgetBytes);
    std::size_t bytes() const;
    std::size_t undoable() const { return undone.size(); }
    std::size_t redoable() const { return redone.size(); }

private:
    std::deque<World> undone;  // the world before each action, oldest first
    std::vector<World> redone;  // the worlds undone from, the last undone last
};
