// Building and replacing the world for a topology.
#include "world.h"

#include "environment.h"
#include "planeLattice.h"
#include "programClock.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
#include "worldActions.h"

#include <cstdio>
#include <new>

namespace {

constexpr int planeWidth = 80;
constexpr int planeHeight = 80;
constexpr float planeCellSize = 1.0f;
constexpr int discRings = 40;
constexpr int sphereEquatorCells = 160;
constexpr float sphereRadius = 25.0f;
constexpr int seededCells = 6;

void emptyWorld()
{
    world.stepCount = 0;
    world.currentLattice.reset();
    world.cells.reset();
    world.lineageStack.reset();
    world.cellCount = 0;
    world.topology = -1;
    world.selectedCell = nullptr;
    world.selectedIndex = -1;
}

}  // namespace

std::unique_ptr<lattice> makeLattice(int topology)
{
    switch (topology) {
    case planeTopology: return std::make_unique<planeLattice>(planeWidth, planeHeight, planeCellSize);
    case discTopology: return std::make_unique<spiralLattice>(discRings);
    case sphereTopology: return std::make_unique<sphereLattice>(sphereEquatorCells, sphereRadius);
    default: return nullptr;
    }
}

int topologyNamed(const std::string& name)
{
    for (int topology = 0; topology < topologyCount; ++topology)
        if (name == topologyNames[topology]) return topology;
    return -1;
}

int setTopology(int topology)
{
    if (topology == world.topology) return -1;
    emptyWorld();

    std::unique_ptr<lattice> built = makeLattice(topology);
    if (!built) return 0;
    built->build();

    const int count = built->cellCount();
    std::unique_ptr<Cell[]> cells(new (std::nothrow) Cell[count]);
    std::unique_ptr<LineageFrame[]> lineageStack(new (std::nothrow) LineageFrame[count]);
    if (!cells || !lineageStack) {
        std::printf("Out of memory\n");
        return 0;
    }

    world.currentLattice = std::move(built);
    world.cells = std::move(cells);
    world.lineageStack = std::move(lineageStack);
    world.cellCount = count;
    generateEnvironment();
    seedLife(seededCells);
    world.topology = topology;
    return 1;
}

void initWorld(int topology)
{
    setTopology(topology);
    for (float& rule : world.rules) rule = 0.0f;
    world.lastStepTime = elapsedSeconds();
}
