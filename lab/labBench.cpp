// Steps per second on a populated world of each topology.
#include "labRun.h"

#include "simulationStep.h"
#include "worldScenes.h"

#include <chrono>
#include <cstdio>

namespace {
constexpr std::uint32_t benchSeed = 1733500000u;
constexpr int growingSteps = 1500;  // life spreads over most of every world first
constexpr long long defaultBenchSteps = 1000;
}  // namespace

int benchCommand(const LabOptions& options)
{
    const long long steps = options.steps < 0 ? defaultBenchSteps : options.steps;
    std::printf("topology  cells  living  steps/s\n");
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        World world = growWorld(topology, benchSeed, growingSteps);
        int living = 0;
        int cells = 0;
        latticeCursor cursor;
        for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor)) {
            ++cells;
            living += world.cells[index].field[populationField] > 0.0f;
        }
        const auto start = std::chrono::steady_clock::now();
        for (long long step = 0; step < steps; ++step) simulationStep(world);
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf("%-8s  %5d  %6d  %7.0f\n", topologyNames[topology], cells, living, seconds > 0.0 ? steps / seconds : 0.0);
    }
    return 0;
}
