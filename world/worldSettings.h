// Feeding a world's rule slots from its rule switches, and back.
#pragma once

struct World;

// Sets the world's rule slots 0..6 from its switches, as the step expects them; slot 7 is left alone.
void feedRules(World& world);
// Sets the world's switches from its rule slots 0..6 (not 0: on), so that the frames keep a loaded world's rules.
void takeRules(World& world);
