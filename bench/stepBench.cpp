// The simulation step on a populated world of each topology, per real cell, beside its memory
// floor: the copy into and out of the next block that every double-buffered step makes.
#include "perTopology.h"
#include "simulationStep.h"
#include "world.h"
#include "worldScenes.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr std::uint32_t calendarSeed = 1733500000u;
constexpr double populated = 0.75;  // grow the six seeds until this share of the cells lives
constexpr int growingLimit = 10000;
constexpr double cheetahInterval = 1.0 / 30.0;

int realCells()
{
    latticeCursor cursor;
    int count = 0;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor))
        ++count;
    return count;
}

double livingShare()
{
    latticeCursor cursor;
    int living = 0;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor))
        living += world.cells[index].field[populationField] != 0.0f;
    return static_cast<double>(living) / realCells();
}

// Seconds per beginStep + commitStep pair, timed here so the ratio comes from the same run.
double floorSeconds()
{
    constexpr int rounds = 200;
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) {
        beginStep();
        commitStep();
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void step(benchmark::State& state, int topology)
{
    growWorld(topology, calendarSeed, 0);
    for (int grown = 0; grown < growingLimit && livingShare() < populated; grown += 50)
        for (int steps = 0; steps < 50; ++steps) simulationStep();
    const double floor = floorSeconds();
    const int cells = realCells();
    state.counters["living"] = livingShare();

    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) simulationStep();
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
