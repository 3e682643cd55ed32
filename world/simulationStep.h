// One generation of a world.
#pragma once

struct World;

// Advances every cell of a world that is not empty once, in the lattice's visiting order. Most
// results are double-buffered, but takeovers, teacher links and group foundings write at once, so
// the visiting order is part of the behaviour. The step reads no clock: whoever steps on a clock
// stamps lastStepTime.
void simulationStep(World& world);

// For every record: next = field, nextGroup = group, overtaken = 0.
void beginStep(World& world);

// For every cell: group = nextGroup, field = next, an infinite or NaN value clamped to 0..1 in
// both, so that afterwards next equals field. The holes of the index space, which no step changes,
// are left as beginStep made them. Counts the world's farParents anew.
void commitStep(World& world);
