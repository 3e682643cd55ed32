// The undo and redo lists.
#include "actionHistory.h"

#include "worldHistory.h"

#include <utility>

void ActionHistory::begin(const World& before)
{
    undone.push_back(before);
    redone.clear();
}

bool ActionHistory::undo(World& world)
{
    if (undone.empty()) return false;
    redone.push_back(std::move(world));
    world = std::move(undone.back());
    undone.pop_back();
    return true;
}

bool ActionHistory::redo(World& world)
{
    if (redone.empty()) return false;
    undone.push_back(std::move(world));
    world = std::move(redone.back());
    redone.pop_back();
    return true;
}

void ActionHistory::trim(std::size_t budgetBytes)
{
    while (undone.size() > keptActions && bytes() > budgetBytes) undone.pop_front();
}

std::size_t ActionHistory::bytes() const
{
    std::size_t total = 0;
    for (const World& world : undone) total += worldBytes(world);
    for (const World& world : redone) total += worldBytes(world);
    return total;
}
