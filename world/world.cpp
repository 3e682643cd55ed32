// The one world of the process, its step counter and its rule switches.
#include "world.h"

World world;

void incrementStep() { world.stepCount += 1; }

int getStepCount() { return world.stepCount; }

void setRule(int slot, float value)
{
    if (slot < 0 || slot >= ruleSlotCount) return;
    world.rules[slot] = value;
}
