// The sphere's terrain: flooded plateaus, lifted toward the equator and cut to a sharp coast.
#include "terrain.h"

#include "clamp01.h"
#include "sphereLattice.h"

#include <cmath>
#include <cstdlib>

namespace {

// The continents keep their size in cells: a plateau's flood ends where its ramp leaves the band
// or 0..1, or at the depth limit, all counted in cells. 300 plateaus cover the sphere of 160 cells
// around the equator; a sphere of more cells has as many more plateaus, so that they lie as
// densely (on the 160-cell equator exactly 300). A disaster is one such plateau, as local on any sphere.
constexpr int plateauStrokes = 300;
constexpr float plateauEquator = 160.0f;
constexpr float strokeBandWidth = 0.25f;
constexpr float rampStep = 1.0f / 12.0f;  // delta within +-1/12
constexpr float zeroRampStep = 0.01f;
constexpr int floodDepthLimit = 1024;

// 300 plateaus per sphere of a 160-cell equator, as many more as the sphere's area (the square of its
// equator) is larger, rounded.
int plateauCount(const sphereLattice& sphere)
{
    const float scale = static_cast<float>(sphere.stride) / plateauEquator;
    return static_cast<int>(std::lround(static_cast<float>(plateauStrokes) * scale * scale));
}
constexpr float coastLow = 0.35f;
constexpr float coastHigh = 0.65f;

}  // namespace

void floodEnvironment(const terrain& land, latticeCursor cursor, int index, float lo, float hi, float value, float delta,
                      int depth)
{
    if (depth > floodDepthLimit) return;
    const float ground = land.environment(index);
    if (delta > 0.0f && ground > value) return;
    if (delta < 0.0f && ground < value) return;
    if (ground < lo || ground > hi) return;

    land.environment(index) = value;
    land.population(index) = 0.0f;

    const float next = value + delta;
    if (next < 0.0f || next > 1.0f) return;
    if (lo < next && next < hi) return;
    for (int d = 0; d < land.ground.directionCount(); ++d) {
        latticeCursor copy = cursor;
        const int k = land.ground.neighbour(copy, index, d);
        if (k != -1) floodEnvironment(land, copy, k, lo, hi, next, delta, depth + 1);
    }
}

void environmentStroke(const terrain& land, float raiseChance)
{
    const int cell = land.ground.randomCell(land.random);
    latticeCursor cursor;
    land.ground.locate(cell, cursor);

    const float band = land.random.u() * strokeBandWidth;
    const float ground = land.environment(cell);
    float lo = ground - band;
    if (lo < 0.0f) lo = 0.0f;
    float hi = ground + band;
    if (hi >= 1.0f) hi = 1.0f;

    float value = 0.0f;
    if (land.random.u() <= raiseChance) {
        value = hi + land.random.u() * (1.0f - hi);
    } else {
        value = land.random.u() * lo;
    }
    float delta = (land.random.u() - 0.5f) * 2.0f * rampStep;
    if (delta == 0.0f) delta = zeroRampStep;
    floodEnvironment(land, cursor, cell, lo, hi, value, delta, 0);
}

// The lift goes by latitude, a share of the rows from the equator to a pole: it means the whole
// sphere and grows with it.
void liftTowardEquator(const terrain& land, const sphereLattice& sphere)
{
    const float halfRows = static_cast<float>(sphere.rowCount / 2);
    latticeCursor cursor;
    for (int cell = sphere.firstCell(cursor); cell != -1; cell = sphere.nextCell(cursor)) {
        float& ground = land.environment(cell);
        if (ground <= 0.5f) continue;
        const float closeness = 1.0f - static_cast<float>(std::abs(sphere.equatorRow - cursor.j)) / halfRows;
        ground = clamp01(ground + closeness * closeness * closeness);
    }
}

void sharpenCoast(const terrain& land)
{
    for (int index = 0; index < land.recordCount(); ++index) {
        float& ground = land.environment(index);
        if (coastLow < ground && ground < coastHigh) ground = ground <= 0.5f ? coastLow : coastHigh;
    }
}

void generateSphereEnvironment(const terrain& land)
{
    const auto* sphere = dynamic_cast<const sphereLattice*>(&land.ground);
    if (!sphere) return;
    fillEnvironment(land, 0.5f);
    const float raiseChance = land.random.u();
    const int plateaus = plateauCount(*sphere);
    for (int stroke = 0; stroke < plateaus; ++stroke) environmentStroke(land, raiseChance);
    liftTowardEquator(land, *sphere);
    smoothField(land, 0);
    sharpenCoast(land);
}
