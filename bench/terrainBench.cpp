// Generating a fresh terrain for each topology, as "Generate Env" does, and one disaster.
#include "environment.h"
#include "perTopology.h"
#include "world.h"

#include <benchmark/benchmark.h>

namespace {

World buildWorld(int topology) { return newWorld(topology, 1733500000u); }

void generation(benchmark::State& state, int topology)
{
    World world = buildWorld(topology);
    for (auto _ : state) generateEnvironment(world);
    state.SetItemsProcessed(state.iterations());
}
const bool generationRegistered = perTopology("generation", generation, benchmark::kMillisecond);

void disaster(benchmark::State& state, int topology)
{
    World world = buildWorld(topology);
    for (auto _ : state) environmentDisaster(world);
    state.SetItemsProcessed(state.iterations());
}
const bool disasterRegistered = perTopology("disaster", disaster);

}  // namespace
