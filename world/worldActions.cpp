// Seeding and killing life.
#include "worldActions.h"

#include "world.h"

namespace {
constexpr float seedPopulation = 0.1f;
constexpr float seedTechnologyScale = 0.1f;
}  // namespace

void seedLife(World& world, int count)
{
    if (world.empty() || count <= 0) return;
    for (int seeded = 0; seeded < count; ++seeded) {
        Cell& cell = world.cells[world.currentLattice->randomCell(world.random)];
        cell.field[populationField] = seedPopulation;
        cell.field[phenotypeField] = cell.field[environmentField];  // the new culture fits its ground exactly
        cell.birthStep = world.stepCount;
        for (int f = groupMembershipField; f < cellFieldCount; ++f) cell.field[f] = world.random.u();
        cell.field[technologyField] = world.random.u() * seedTechnologyScale;
    }
}

void killAll(World& world)
{
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].clear();
    world.stepCount = 0;
    world.holesReady = false;
}

void clearLife(World& world, const std::vector<int>& cellIndices)
{
    for (const int index : cellIndices)
        if (index >= 0 && index < world.cellCount) world.cells[index].clear();
    world.holesReady = false;
}
