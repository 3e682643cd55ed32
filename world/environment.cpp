// Terrain generation for the world's lattice.
#include "environment.h"

void generateEnvironment()
{
    // The generators arrive with the terrain work; until then a new world keeps Environment 0.
}
