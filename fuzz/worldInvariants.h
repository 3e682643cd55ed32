// What must hold of the world whatever the fuzzers did to it.
#pragma once

#include <string>

// Iteration visits exactly the real cells, in increasing order; the selection is a real cell or
// none; no field of a real cell is infinite or NaN. What broke, or "".
std::string checkWorldInvariants();

// No world, no disaster rate, the first render mode: where every script starts and ends.
void emptyWorld();
