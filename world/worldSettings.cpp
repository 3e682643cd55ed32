// The world's settings, their values at start, and the feeding of the rule slots.
#include "worldSettings.h"

#include "renderMode.h"
#include "world.h"

int outerRenderMode = environmentMode;
float disasterRate = 0.0f;
int spareParent = 1;

int pollutionOn = 0;
int ruleSpreadCost = 1;
int ruleGroupDefence = 1;
int ruleNoSelfMutation = 1;
int ruleCultureDrift = 1;
int humanRulesOn = 0;
int lineageOn = 0;

namespace {
int* const ruleSources[] = {&pollutionOn,      &ruleSpreadCost, &ruleGroupDefence, &ruleNoSelfMutation,
                            &ruleCultureDrift, &humanRulesOn,   &lineageOn};
}  // namespace

void feedRules()
{
    for (int slot = 0; slot < 7; ++slot) setRule(slot, static_cast<float>(*ruleSources[slot]));
}

void takeRules()
{
    for (int slot = 0; slot < 7; ++slot) *ruleSources[slot] = world.rules[slot] != 0.0f;
}
