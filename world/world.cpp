// A world's rule slots.
#include "world.h"

void setRule(World& world, int slot, float value)
{
    if (slot < 0 || slot >= ruleSlotCount) return;
    world.rules[slot] = value;
}
