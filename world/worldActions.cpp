// Seeding and killing life.
#include "worldActions.h"

#include "randomGenerator.h"
#include "world.h"

namespace {
constexpr float seedPopulation = 0.1f;
constexpr float seedTechnologyScale = 0.1f;
}  // namespace

void seedLife(int count)
{
    if (!world.cells || !world.currentLattice || count <= 0) return;
    for (int seeded = 0; seeded < count; ++seeded) {
        Cell& cell = world.cells[world.currentLattice->randomCell()];
        cell.field[populationField] = seedPopulation;
        cell.field[phenotypeField] = cell.field[environmentField];  // the new culture fits its ground exactly
        cell.birthStep = world.stepCount;
        for (int f = groupMembershipField; f < cellFieldCount; ++f) cell.field[f] = u();
        cell.field[technologyField] = u() * seedTechnologyScale;
    }
}

void killAll()
{
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].clear();
    world.stepCount = 0;
}
