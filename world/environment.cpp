// Terrain generation and disasters on a world's lattice and cells.
#include "environment.h"

#include "world.h"

terrain worldTerrain(World& world)
{
    return terrain(*world.currentLattice, world.cells[0].field, sizeof(Cell), world.cellCount, world.random);
}

void generateEnvironment(World& world)
{
    if (world.empty()) return;
    generateEnvironment(worldTerrain(world));
    world.holesReady = false;
}

void environmentDisaster(World& world)
{
    if (world.empty()) return;
    environmentDisaster(worldTerrain(world));
}
