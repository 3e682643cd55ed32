// Building and replacing the world for a topology.
#include "world.h"

#include "environment.h"
#include "planeLattice.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
#include "worldActions.h"

#include <cstdio>
#include <new>
#include <utility>

namespace {

constexpr int planeWidth = 80;
constexpr int planeHeight = 80;
constexpr float planeCellSize = 1.0f;
constexpr int discRings = 40;
constexpr int sphereEquatorCells = 160;
constexpr float sphereRadius = 25.0f;
constexpr int seededCells = 6;

void emptyWorld(World& world)
{
    world.stepCount = 0;
    world.currentLattice.reset();
    world.cells = {};
    world.lineageStack = {};
    world.cellCount = 0;
    world.topology = -1;
}

std::shared_ptr<const lattice> builtLattice(int topology)
{
    std::unique_ptr<lattice> built = makeLattice(topology);
    if (built) built->build();
    return built;
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

std::shared_ptr<const lattice> sharedLattice(int topology)
{
    if (topology < 0 || topology >= topologyCount) return nullptr;
    // Built once, on first use, by whichever thread comes first; immutable from then on.
    static const std::shared_ptr<const lattice> lattices[topologyCount] = {
        builtLattice(planeTopology), builtLattice(discTopology), builtLattice(sphereTopology)};
    return lattices[topology];
}

int setTopology(World& world, int topology)
{
    if (topology == world.topology) return -1;
    emptyWorld(world);

    std::shared_ptr<const lattice> shape = sharedLattice(topology);
    if (!shape) return 0;
    const int count = shape->cellCount();
    try {
        world.cells.assign(static_cast<std::size_t>(count), Cell());
        world.lineageStack.resize(static_cast<std::size_t>(count));
    } catch (const std::bad_alloc&) {
        emptyWorld(world);
        std::printf("Out of memory\n");
        return 0;
    }
    world.currentLattice = std::move(shape);
    world.cellCount = count;
    generateEnvironment(world);
    seedLife(world, seededCells);
    world.topology = topology;
    return 1;
}

World newWorld(int topology, std::uint32_t seed)
{
    World world;
    world.random.seed(seed);
    setTopology(world, topology);
    return world;
}
