// The simulation step on a populated world of each topology, per real cell, beside its memory
// floor: the copy into and out of the next block that every double-buffered step makes.
#include "benchWorlds.h"
#include "perTopology.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr double cheetahInterval = 1.0 / 30.0;

// Seconds per beginStep + commitStep pair, timed here so the ratio comes from the same run.
double floorSeconds(World& world)
{
    constexpr int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        beginStep(world);
        commitStep(world);
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void step(benchmark::State& state, int topology)
{
    World world = growPopulatedWorld(topology);
    const double floor = floorSeconds(world);
    const int cells = static_cast<int>(world.currentLattice->walkOrder().size());
    state.counters["living"] = livingShare(world);

    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) simulationStep(world);
    const double stepSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / static_cast<double>(state.iterations());

    state.counters["nsPerCell"] = stepSeconds * 1e9 / cells;
    state.counters["floorNsPerCell"] = floor * 1e9 / cells;
    state.counters["stepToFloor"] = stepSeconds / floor;
    state.counters["stepsPerSecond"] = 1.0 / stepSeconds;
    state.counters["shareOfCheetah"] = stepSeconds / cheetahInterval;  // goal: at most 0.05 on the sphere
}
const bool stepRegistered = perTopology("step", step, benchmark::kMicrosecond);

}  // namespace
