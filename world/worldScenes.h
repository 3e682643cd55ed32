// Worlds grown the same way wherever they are needed: tests, benchmarks and companion tools.
#pragma once

#include <cstdint>

// A new world of the topology from the seed (the generator seeded first, as at program start),
// with the rule slots fed from the current settings, then steps simulation steps.
void growWorld(int topology, std::uint32_t seed, int steps);
