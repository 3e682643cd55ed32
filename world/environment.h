// A world's ground: generating the Environment of every cell, and the disaster.
#pragma once

#include "terrain.h"

struct World;

// A fresh terrain for the world's lattice, drawn from its generator; nothing on an empty world.
void generateEnvironment(World& world);

// One disaster on the world's lattice; nothing on an empty world.
void environmentDisaster(World& world);

// The world's cells and generator as terrain generation sees them. Only for a world that is not empty.
terrain worldTerrain(World& world);
