// Worlds grown the same way wherever they are needed: tests, benchmarks and companion tools.
#pragma once

#include "world.h"

#include <cstdint>

// A new world of the topology at the size sizes give it from the seed, as at program start, with
// the switches and the rule slots fed from them, then steps simulation steps.
World growWorld(int topology, std::uint32_t seed, int steps, const RuleSwitches& switches = {}, const WorldSizes& sizes = {});
