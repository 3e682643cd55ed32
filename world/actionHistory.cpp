// The undo and redo lists.
#include "actionHistory.h"

#include "worldHistory.h"

#include <utility>

void ActionHistory::begin(const World& before)
{
    undone.push_back(before);
    redone.clear();
}

namespace {

// The last world of from becomes the world, and the world goes to the end of to.
template <typename From, typename To>
bool takeLast(From& from, To& to, World& world)
{
    if (from.empty()) return false;
    to.push_back(std::move(world));
    world = std::move(from.back());
    from.pop_back();
    return true;
}

}  // namespace

bool ActionHistory::undo(World& world) { return takeLast(undone, redone, world); }

bool ActionHistory::redo(World& world) { return takeLast(redone, undone, world); }

void ActionHistory::trim(std::size_t budgetBytes)
{
    std::size_t kept = bytes();
    while (undone.size() > keptActions && kept > budgetBytes) {
        kept -= worldBytes(undone.front());
        undone.pop_front();
    }
}

std::size_t ActionHistory::bytes() const
{
    std::size_t total = 0;
    for (const World& world : undone) total += worldBytes(world);
    for (const World& world : redone) total += worldBytes(world);
    return total;
}
