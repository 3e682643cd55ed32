// What must hold of a world whatever the fuzzers did to it.
#pragma once

#include <string>

struct World;

// Iteration visits exactly the real cells, in increasing order; the selection a view keeps of the
// world (-1 for none) is a real cell or none; no field of a real cell is infinite or NaN. What
// broke, or "".
std::string checkWorldInvariants(const World& world, int selected);
