// One generation of the world.
#pragma once

// Sets lastStepTime to now, then (on a world that is not empty) advances every cell once in the
// lattice's visiting order. Most results are double-buffered, but takeovers, teacher links and
// group foundings write at once, so the visiting order is part of the behaviour.
void simulationStep();

// For every record: next = field, nextGroup = group, overtaken = 0.
void beginStep();

// For every cell: group = nextGroup, field = next, an infinite or NaN value clamped to 0..1 in
// both, so that afterwards next equals field. The holes of the index space, which no step changes,
// are left as beginStep made them.
void commitStep();
