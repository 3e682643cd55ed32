// The settings the world reads, which the shell and the control panel write.
#pragma once

// The "Outer" render choice (a RenderMode); the paint tools write the cell field it shows.
extern int outerRenderMode;

// The chance per step of a disaster, 0..1 ("Disaster Rate").
extern float disasterRate;

// While not 0, a cell never spreads into its own live parent. No control changes it.
extern int spareParent;

// The sources of the rule slots 0..6: the "Pollution" and "Human Rules" boxes, and five fixed
// settings no control changes (spread cost, group defence, no self-mutation and culture drift on,
// lineages off).
extern int pollutionOn;
extern int ruleSpreadCost;
extern int ruleGroupDefence;
extern int ruleNoSelfMutation;
extern int ruleCultureDrift;
extern int humanRulesOn;
extern int lineageOn;

// Sets rule slots 0..6 from their sources, as every frame does; slot 7 is left alone.
void feedRules();
// Sets the sources from rule slots 0..6 (not 0: on), so that the frames keep a loaded world's rules.
void takeRules();
