// The rule switches of a world: the sources of the rule slots the step reads.
#pragma once

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
