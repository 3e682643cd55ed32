// Generating a fresh terrain for each topology, as "Generate Env" does, and one disaster.
#include "environment.h"
#include "randomGenerator.h"
#include "world.h"

#include <benchmark/benchmark.h>

namespace {

void buildWorld(benchmark::State& state)
{
    world = World{};
    generator::seed(1733500000u);
    setTopology(static_cast<int>(state.range(0)));
    state.SetLabel(topologyNames[state.range(0)]);
}

void generation(benchmark::State& state)
{
    buildWorld(state);
    for (auto _ : state) generateEnvironment();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(generation)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void disaster(benchmark::State& state)
{
    buildWorld(state);
    for (auto _ : state) environmentDisaster();
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(disaster)->DenseRange(0, 2);

}  // namespace
