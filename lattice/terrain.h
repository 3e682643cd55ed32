// Terrain generation: the Environment of every cell, one generator per topology, and the disaster.
#pragma once

#include "lattice.h"

#include <cstddef>

class planeLattice;
class spiralLattice;
class sphereLattice;

// The ground to shape: a lattice, the twelve fields of every record of the cell array indexed by it
// (holes included), reached without knowing the record, and the generator the shaping draws from
// (the world's own). Terrain writes current values.
class terrain {
public:
    // fieldsOfFirst: the fields of record 0; recordSize: bytes from one record to the next.
    terrain(const lattice& ground, float* fieldsOfFirst, std::size_t recordSize, int recordCount, RandomGenerator& random);

    float& field(int index, int f) const;
    float& environment(int index) const { return field(index, 0); }
    float& population(int index) const { return field(index, 1); }
    int recordCount() const { return records; }

    const lattice& ground;
    RandomGenerator& random;

private:
    unsigned char* first;
    std::size_t recordSize;
    int records;
};

// A fresh terrain for the lattice's topology (plane, disc, sphere, tested in that order by class).
void generateEnvironment(const terrain& land);

// Plane and disc: a random walk of up to 29 cells pulling the ground halfway toward one random
// level and emptying each visited cell. Sphere: one flooded stroke.
void environmentDisaster(const terrain& land);

// Environment = value in every record, holes included.
void fillEnvironment(const terrain& land, float value);

// One relaxation pass over field f: each cell four times pulls itself and a random neighbour
// 35 % of the way toward each other; a try that draws a direction without a neighbour is lost.
void smoothField(const terrain& land, int f);

// Nested cone-shaped bumps over the grid rectangle [x0, x1) x [y0, y1); nothing on another lattice.
void planeRelief(const terrain& land, float amplitude, int x0, int y0, int x1, int y1, int depth);
// The plane's relief: nested cones of depth 6 over each block of about 80 x 80 cells tiling the
// plane, block by block row after row (the 80 x 80 plane is one block).
void tilePlaneRelief(const terrain& land, const planeLattice& plane);

// Spiral arms from ring 2 outward, a central plateau, then smoothing. On a disc of R rings the arms
// are R / 40 times as many as drawn (15..34), rounded.
void generateDiscEnvironment(const terrain& land);
// Arm number stroke (its start and height follow stroke mod 4); returns the ring it ended on,
// which is always the outermost. Its share of each ring shrinks as the rings outnumber 40.
int paintDiscArm(const terrain& land, const spiralLattice& disc, int stroke);
// Rings whose 1 - ring / rings exceeds 0.88 take that value: 1.0, 0.975, ... 0.9 on 40 rings.
void raiseDiscPlateau(const terrain& land, const spiralLattice& disc);

// Continents: flooded plateaus (300 on a sphere of 160 equator cells, as many more as its area is
// larger), high ground lifted toward the equator, smoothing, a sharp coast.
void generateSphereEnvironment(const terrain& land);
// Ground above 0.5 rises by the cube of its closeness to the equator row.
void liftTowardEquator(const terrain& land, const sphereLattice& sphere);
// No value stays strictly between 0.35 and 0.65: each goes to the nearer edge of that band.
void sharpenCoast(const terrain& land);

// One plateau: a flood from a random cell over the band of ground around its value, raised above
// the band with chance raiseChance, else sunk below it.
void environmentStroke(const terrain& land, float raiseChance);

// Depth-first flood over the cells whose ground lies in [lo, hi] and has not passed value in the
// ramp's direction; each gets value (the ramp grows by delta per level) and loses its population.
// Stops at depth 1024.
void floodEnvironment(const terrain& land, latticeCursor cursor, int index, float lo, float hi, float value, float delta,
                      int depth);
