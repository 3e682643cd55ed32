// The world's ground: generating the Environment of every cell, and the disaster.
#pragma once

#include "terrain.h"

// A fresh terrain for the current lattice; nothing on an empty world.
void generateEnvironment();

// One disaster on the current lattice; nothing on an empty world.
void environmentDisaster();

// The world's cells as terrain generation sees them. Only for a world that is not empty.
terrain worldTerrain();
