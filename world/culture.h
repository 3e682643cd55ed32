// How cultures compare, pass from conqueror to conquered, and mutate.
#pragma once

#include "cell.h"
#include "randomGenerator.h"

// The distance between two cultures over fields 2..11: 0 for equal cultures, up to sqrt(10).
float cultureDistance(const Cell& a, const Cell& b);

// The conquered cell t takes part of c's culture into its next block: each of fields 3..11 with
// chance blend, then the colour blended by blend (not clamped: a blend above 1 overshoots), and
// c's group (or none) as its next group.
void copyCultureFrom(RandomGenerator& random, Cell& t, const Cell& c, float blend);

// Random change of the next block, fields 3..11; nothing, and no draw, when the cell's current
// Population is not above 0.
void mutate(RandomGenerator& random, Cell& cell);
