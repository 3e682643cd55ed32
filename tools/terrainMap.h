// Flat maps of the world's Environment, coloured with the ground's ramp.
#pragma once

#include "pngFile.h"

struct World;

// The world's ground, scale pixels per cell: the plane as its grid, the disc as seen from
// above (transparent around it), the sphere as a map of longitude against its rows, north on top.
Picture terrainMap(const World& world, int scale);
