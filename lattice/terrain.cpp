// The terrain view of the cells, the choice of generator, filling, smoothing and the disaster.
#include "terrain.h"

#include "planeLattice.h"
#include "sphereLattice.h"
#include "spiralLattice.h"

namespace {

constexpr int smoothingTries = 4;
constexpr float smoothingPull = 0.35f;
constexpr float smoothingPush = 0.65f;
// A disaster's patch is a walk of up to 29 cells on any plane or disc: its size is in cells, so a
// larger world is struck as locally as the default one.
constexpr int disasterWalkLimit = 30;  // rand() % 30: up to 29 cells
constexpr float disasterPull = 0.5f;

void disasterWalk(const terrain& land)
{
    int cell = land.ground.randomCell(land.random);
    latticeCursor cursor;
    land.ground.locate(cell, cursor);
    const float target = land.random.u();
    const int steps = land.random.rand() % disasterWalkLimit;
    for (int step = 0; step < steps; ++step) {
        float& ground = land.environment(cell);
        ground = ground + (target - ground) * disasterPull;
        land.population(cell) = 0.0f;
        cell = land.ground.randomNeighbour(land.random, cursor, cell, nullptr);
        if (cell == -1) return;
    }
}

}  // namespace

terrain::terrain(const lattice& cells, float* fieldsOfFirst, std::size_t size, int recordCount, RandomGenerator& generator)
    : ground(cells),
      random(generator),
      first(reinterpret_cast<unsigned char*>(fieldsOfFirst)),
      recordSize(size),
      records(recordCount)
{
}

float& terrain::field(int index, int f) const
{
    return reinterpret_cast<float*>(first + static_cast<std::size_t>(index) * recordSize)[f];
}

void generateEnvironment(const terrain& land)
{
    if (const auto* plane = dynamic_cast<const planeLattice*>(&land.ground)) {
        fillEnvironment(land, 0.5f);
        tilePlaneRelief(land, *plane);
    } else if (dynamic_cast<const spiralLattice*>(&land.ground)) {
        generateDiscEnvironment(land);
    } else if (dynamic_cast<const sphereLattice*>(&land.ground)) {
        generateSphereEnvironment(land);
    }
}

void environmentDisaster(const terrain& land)
{
    if (dynamic_cast<const planeLattice*>(&land.ground) || dynamic_cast<const spiralLattice*>(&land.ground)) {
        disasterWalk(land);
    } else if (dynamic_cast<const sphereLattice*>(&land.ground)) {
        environmentStroke(land, land.random.u());
    }
}

void fillEnvironment(const terrain& land, float value)
{
    for (int index = 0; index < land.recordCount(); ++index) land.environment(index) = value;
}

void smoothField(const terrain& land, int f)
{
    latticeCursor cursor;
    for (int cell = land.ground.firstCell(cursor); cell != -1; cell = land.ground.nextCell(cursor)) {
        for (int attempt = 0; attempt < smoothingTries; ++attempt) {
            latticeCursor copy = cursor;
            const int a = land.ground.cellIndex(copy);
            const int b = land.ground.randomNeighbour(land.random, copy, a, nullptr);
            if (b == -1) continue;
            const float x = land.field(a, f);
            const float difference = land.field(b, f) - x;
            land.field(a, f) = x + smoothingPull * difference;
            land.field(b, f) = x + smoothingPush * difference;
        }
    }
}
