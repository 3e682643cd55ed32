// The simulation step on a populated world of each topology, per real cell, beside its memory
// floor: the copy into and out of the next block that every double-buffered step makes; and the
// step on worlds up to 2048 x 2048 cells, per real cell, against the default size's in the same run.
#include "benchWorlds.h"
#include "perTopology.h"
#include "worldActions.h"
#include "worldSettings.h"
#include "worldSize.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <time.h>

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

// The sizes the step is measured at: the default, then about 64 thousand, a million and four million
// cells, the disc's rings and the sphere's rows chosen to hold about as many cells as the plane.
struct ScaleRow {
    int topology;
    WorldSizes sizes;
};
const ScaleRow scaleRows[] = {
    {planeTopology, {}},
    {planeTopology, {256, 256}},
    {planeTopology, {1024, 1024}},
    {planeTopology, {2048, 2048}},
    {discTopology, {}},
    {discTopology, {80, 80, 144}},
    {discTopology, {80, 80, 577}},
    {discTopology, {80, 80, 1155}},
    {sphereTopology, {}},
    {sphereTopology, {80, 80, 40, 227}},
    {sphereTopology, {80, 80, 40, 907}},
    {sphereTopology, {80, 80, 40, 1813}},
};

// A world of any size at a fixed stage of its life: life seeded in one cell of every cellsPerSeed (a
// seed spreads to its neighbours within a few tens of steps), then stagingSteps steps, by which nearly
// every cell lives and the first rush of spreading is over. What a step costs depends on the stage a
// world is at (young worlds spread and take over far more), so worlds of different sizes are timed at
// the same stage, the default size's included: grown from six cells, a world takes a size-dependent
// number of steps to fill.
World stagedWorldOfSize(int topology, const WorldSizes& sizes, std::uint32_t seed = benchSeed)
{
    constexpr int cellsPerSeed = 16, stagingSteps = 200;
    World world = newWorld(topology, seed, sizes);
    feedRules(world);
    seedLife(world, static_cast<int>(world.currentLattice->walkOrder().size()) / cellsPerSeed);
    for (int step = 0; step < stagingSteps; ++step) simulationStep(world);
    return world;
}

// The seconds this thread has run: both sizes are timed by the processor time they take, which other
// programs sharing the machine change less than the time on the clock.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Seconds per step over timedSteps steps run from a copy of the world's state: every size is timed
// over the same stretch of its life.
double secondsOfOneRun(const World& staged)
{
    constexpr int timedSteps = 10;
    World world = staged;
    const double start = threadSeconds();
    for (int step = 0; step < timedSteps; ++step) simulationStep(world);
    return (threadSeconds() - start) / timedSteps;
}

// The quickest seconds per step of a world over runsPerTurn runs in a row, after an untimed one that
// brings it into the caches as a world that keeps stepping has it there.
double quickestOfTurn(const World& staged)
{
    constexpr int runsPerTurn = 3;
    secondsOfOneRun(staged);
    double quickest = secondsOfOneRun(staged);
    for (int run = 1; run < runsPerTurn; ++run) quickest = std::min(quickest, secondsOfOneRun(staged));
    return quickest;
}

// The default size's worlds, each grown from its own seed. A few thousand cells are one world's
// luck: from seed to seed a default world's step costs up to a sixth more or less a cell at the same
// stage, where a larger world averages over its many regions. The default's time per cell is the
// mean of a few.
std::vector<World> stagedDefaultWorlds(int topology)
{
    constexpr int defaultSeeds = 4;
    std::vector<World> worlds;
    for (int seed = 0; seed < defaultSeeds; ++seed)
        worlds.push_back(stagedWorldOfSize(topology, WorldSizes{}, benchSeed + static_cast<std::uint32_t>(seed)));
    return worlds;
}

// The mean quickest seconds per step of the default worlds and the quickest of a larger one, timed
// by turns at least fewestTurns times each and until they have taken about minimumSeconds in all:
// the other programs of a shared machine slow them alike, and the quickest run of each is the one
// least disturbed.
std::pair<double, double> quickestSecondsPerStep(const std::vector<World>& standards, const World& world)
{
    constexpr double minimumSeconds = 1.0;
    constexpr int fewestTurns = 3;
    std::vector<double> quickestStandard(standards.size(), HUGE_VAL);
    double quickest = HUGE_VAL;
    const double start = threadSeconds();
    for (int turn = 0; turn < fewestTurns || threadSeconds() - start < minimumSeconds; ++turn) {
        for (std::size_t k = 0; k < standards.size(); ++k)
            quickestStandard[k] = std::min(quickestStandard[k], quickestOfTurn(standards[k]));
        quickest = std::min(quickest, quickestOfTurn(world));
    }
    const double standardTotal = std::accumulate(quickestStandard.begin(), quickestStandard.end(), 0.0);
    return {standardTotal / static_cast<double>(standards.size()), quickest};
}

// The bytes the world holds for its cells: the cell and lineage records and the lattice's walk and
// neighbour tables, over the index space (holes included), per real cell.
double bytesPerCell(const World& world)
{
    const lattice& shape = *world.currentLattice;
    const double bytes =
        static_cast<double>(world.cells.capacity() * sizeof(Cell) + world.lineageStack.capacity() * sizeof(LineageFrame) +
                            (shape.walkOrder().capacity() + shape.neighbourTable().capacity()) * sizeof(std::int32_t));
    return bytes / static_cast<double>(shape.walkOrder().size());
}

// The step's time per real cell at the row's size over the default size's at the same stage, both
// timed here; the goal is at most 1.25: the step's cost follows its cells.
void stepAtScale(benchmark::State& state, const ScaleRow& row)
{
    const std::vector<World> standards = stagedDefaultWorlds(row.topology);
    const World world = stagedWorldOfSize(row.topology, row.sizes);
    const double standardCells = static_cast<double>(standards.front().currentLattice->walkOrder().size());
    const double cells = static_cast<double>(world.currentLattice->walkOrder().size());
    state.counters["cells"] = cells;
    state.counters["living"] = livingShare(world);

    double standardSeconds = 0.0, stepSeconds = 0.0;
    for (auto _ : state) {
        std::tie(standardSeconds, stepSeconds) = quickestSecondsPerStep(standards, world);
        state.SetIterationTime(stepSeconds);
    }

    state.counters["msPerStep"] = stepSeconds * 1e3;
    state.counters["nsPerCell"] = stepSeconds * 1e9 / cells;
    state.counters["defaultNsPerCell"] = standardSeconds * 1e9 / standardCells;
    state.counters["toDefaultPerCell"] = (stepSeconds / cells) / (standardSeconds / standardCells);
    state.counters["bytesPerCell"] = bytesPerCell(world);
}

bool registerScaleRows()
{
    for (const ScaleRow& row : scaleRows) {
        const std::string name =
            std::string("stepAtScale/") + topologyNames[row.topology] + "/" + sizeText(row.topology, row.sizes);
        benchmark::RegisterBenchmark(name.c_str(), stepAtScale, row)
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}
const bool scaleRegistered = registerScaleRows();

}  // namespace
