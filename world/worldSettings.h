// The rule switches of a world and the rule slots they feed.
#pragma once

struct World;

// The sources of the rule slots 0..6: the "Pollution" and "Human Rules" boxes, and five fixed
// settings no control changes (spread cost, group defence, no self-mutation and culture drift on,
// lineages off). Ints, as the panel's check boxes edit them.
struct RuleSwitches {
    int pollution = 0;
    int spreadCost = 1;
    int groupDefence = 1;
    int noSelfMutation = 1;
    int cultureDrift = 1;
    int humanRules = 0;
    int lineages = 0;
};

// Sets the world's rule slots 0..6 from its switches, as every frame does; slot 7 is left alone.
void feedRules(World& world);
// Sets the world's switches from its rule slots 0..6 (not 0: on), so that the frames keep a loaded world's rules.
void takeRules(World& world);
