// Terrain generation and disasters on the world's lattice and cells.
#include "environment.h"

#include "world.h"

terrain worldTerrain() { return terrain(*world.currentLattice, world.cells[0].field, sizeof(Cell), world.cellCount); }

void generateEnvironment()
{
    if (!world.currentLattice || !world.cells) return;
    generateEnvironment(worldTerrain());
}

void environmentDisaster()
{
    if (!world.currentLattice || !world.cells) return;
    environmentDisaster(worldTerrain());
}
