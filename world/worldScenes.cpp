// Growing a world from a seed.
#include "worldScenes.h"

#include "simulationStep.h"
#include "worldSettings.h"

World growWorld(int topology, std::uint32_t seed, int steps, const RuleSwitches& switches, const WorldSizes& sizes)
{
    World world = newWorld(topology, seed, sizes);
    world.switches = switches;
    feedRules(world);
    for (int step = 0; step < steps; ++step) simulationStep(world);
    return world;
}
