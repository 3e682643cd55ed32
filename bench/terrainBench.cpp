// Generating a fresh terrain for each topology, as "Generate Env" does, and one disaster.
#include "environment.h"
#include "perTopology.h"
#include "randomGenerator.h"
#include "world.h"

#include <benchmark/benchmark.h>

namespace {

void buildWorld(int topology)
{
    world = World{};
    generator::seed(1733500000u);
    setTopology(topology);
}

void generation(benchmark::State& state, int topology)
{
    buildWorld(topology);
    for (auto _ : state) generateEnvironment();
    state.SetItemsProcessed(state.iterations());
}
const bool generationRegistered = perTopology("generation", generation, benchmark::kMillisecond);

void disaster(benchmark::State& state, int topology)
{
    buildWorld(topology);
    for (auto _ : state) environmentDisaster();
    state.SetItemsProcessed(state.iterations());
}
const bool disasterRegistered = perTopology("disaster", disaster);

}  // namespace
