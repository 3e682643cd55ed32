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

constexpr float planeCellSize = 1.0f;
// The default sphere has 160 cells on its equator and radius 25; a sphere of another size keeps
// that radius per equator cell, so that its cells keep their size.
constexpr float radiusPerEquatorCell = 25.0f / 160.0f;
constexpr int seededCells = 6;

void emptyWorld(World& world)
{
    world.stepCount = 0;
    world.currentLattice.reset();
    world.cells = {};
    world.lineageStack = {};
    world.cellCount = 0;
    world.topology = -1;
    world.farParents = -1;
}

std::shared_ptr<const lattice> builtLattice(int topology, const WorldSizes& sizes = {})
{
    std::unique_ptr<lattice> built = makeLattice(topology, sizes);
    if (built) built->build();
    return built;
}

}  // namespace

std::unique_ptr<lattice> makeLattice(int topology, const WorldSizes& sizes)
{
    switch (topology) {
    case planeTopology: return std::make_unique<planeLattice>(sizes.planeWidth, sizes.planeHeight, planeCellSize);
    case discTopology: return std::make_unique<spiralLattice>(sizes.discRings);
    case sphereTopology: {
        const int equator = sphereEquatorCells(sizes.sphereRows);
        return std::make_unique<sphereLattice>(equator, radiusPerEquatorCell * static_cast<float>(equator));
    }
    default: return nullptr;
    }
}

int topologyNamed(const std::string& name)
{
    for (int topology = 0; topology < topologyCount; ++topology)
        if (name == topologyNames[topology]) return topology;
    return -1;
}

std::shared_ptr<const lattice> sharedLattice(int topology, const WorldSizes& sizes)
{
    if (topology < 0 || topology >= topologyCount) return nullptr;
    if (!hasDefaultSize(topology, sizes)) return builtLattice(topology, sizes);
    // Built once, on first use, by whichever thread comes first; immutable from then on.
    static const std::shared_ptr<const lattice> lattices[topologyCount] = {
        builtLattice(planeTopology), builtLattice(discTopology), builtLattice(sphereTopology)};
    return lattices[topology];
}

int setTopology(World& world, int topology)
{
    if (topology == world.topology) return -1;
    emptyWorld(world);
    if (!sizeRangeProblem(topology, world.sizes).empty()) return 0;

    std::shared_ptr<const lattice> shape;
    try {
        shape = sharedLattice(topology, world.sizes);
        if (!shape) return 0;
        world.cells.assign(static_cast<std::size_t>(shape->cellCount()), Cell());
        world.lineageStack.resize(static_cast<std::size_t>(shape->cellCount()));
    } catch (const std::bad_alloc&) {
        emptyWorld(world);
        std::printf("Out of memory\n");
        return 0;
    }
    world.cellCount = shape->cellCount();
    world.currentLattice = std::move(shape);
    generateEnvironment(world);
    seedLife(world, seededCells);
    world.topology = topology;
    return 1;
}

World newWorld(int topology, std::uint32_t seed, const WorldSizes& sizes)
{
    World world;
    world.random.seed(seed);
    world.sizes = sizes;
    setTopology(world, topology);
    return world;
}
