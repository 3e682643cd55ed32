// The worlds tests make for themselves: each test owns its worlds, so nothing is shared or reset.
#pragma once

#include "world.h"
#include "worldScenes.h"

#include <gtest/gtest.h>

// A seed from the calendar: small seeds make the sphere's first draws tiny.
inline constexpr std::uint32_t calendarSeed = 1733500000u;

// Calls visit(index, cursor) for every real cell of the world in the lattice's order.
template <typename Visit>
void forEachCell(const World& world, Visit visit)
{
    latticeCursor cursor;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor))
        visit(index, cursor);
}
