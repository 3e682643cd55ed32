// Growing a world from a seed.
#include "worldScenes.h"

#include "randomGenerator.h"
#include "simulationStep.h"
#include "world.h"
#include "worldSettings.h"

void growWorld(int topology, std::uint32_t seed, int steps)
{
    world = World{};
    generator::seed(seed);
    setTopology(topology);
    feedRules();
    for (int step = 0; step < steps; ++step) simulationStep();
}
