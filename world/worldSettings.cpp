// Feeding the rule slots from the switches and back.
#include "worldSettings.h"

#include "world.h"

namespace {
constexpr int switchedSlots = 7;

int* switchOfSlot(RuleSwitches& switches, int slot)
{
    int* const sources[switchedSlots] = {&switches.pollution,      &switches.spreadCost,   &switches.groupDefence,
                                         &switches.noSelfMutation, &switches.cultureDrift, &switches.humanRules,
                                         &switches.lineages};
    return sources[slot];
}
}  // namespace

void feedRules(World& world)
{
    for (int slot = 0; slot < switchedSlots; ++slot)
        setRule(world, slot, static_cast<float>(*switchOfSlot(world.switches, slot)));
}

void takeRules(World& world)
{
    for (int slot = 0; slot < switchedSlots; ++slot) *switchOfSlot(world.switches, slot) = world.rules[slot] != 0.0f;
}
