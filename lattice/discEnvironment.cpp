// The disc's terrain: spiral arms drawn from ring 2 outward around a central plateau.
#include "terrain.h"

#include "spiralLattice.h"

#include <cmath>

namespace {

// The arms keep their size in cells. Their number (15..34 drawn) and the share of a ring an arm
// runs along were set for a disc of 40 rings: a disc of more rings has as many times more arms,
// each running along a share of a ring as many times smaller, so that its runs keep their length in
// cells and it winds as many turns; on 40 rings the factor is exactly 1.
constexpr int strokeBase = 15;
constexpr int strokeSpread = 20;  // 15..34 strokes
constexpr float armRings = 40.0f;
// Ring 2 is where every arm starts, whatever the disc's size.
constexpr int startRing = 2;
// The central plateau is a share of the rings (those within 12 % of the centre), so it grows with
// the disc: it is the one feature that means the whole disc.
constexpr float plateauLevel = 0.88f;
constexpr int outward = 6;

// Arms alternate between high and low ground and start a quarter turn apart.
constexpr float armStart[4] = {0.0f, 0.25f, 0.5f, 0.75f};
constexpr float goldenShare = 0.618034f;  // successive multiples of it spread evenly over 0..1
constexpr float armHeight[4] = {1.0f, 0.0f, 1.0f, 0.0f};

// How many times the disc's rings outnumber the rings the arms were shaped on.
float armScale(const spiralLattice& disc) { return static_cast<float>(disc.numRings()) / armRings; }

}  // namespace

int paintDiscArm(const terrain& land, const spiralLattice& disc, int stroke)
{
    const float scale = armScale(disc);
    const int rimSize = disc.ringSize(disc.numRings() - 1);
    float keep = (land.random.u() * 0.012222f + 0.024445f) / scale;
    const int arm = stroke % 4;
    // Near its start an arm cannot wander (its stay on a ring is under one cell), so arms that start
    // together run together. On a larger disc they start as far out, in share of the rings, as on
    // 40 rings, spread over the whole turn: an arm on a larger disc winds as many turns over more
    // rings, and so wanders less from where it started than on the default disc.
    const int firstRing = scale > 1.0f ? static_cast<int>(std::lround(startRing * scale)) : startRing;
    const float spread = scale > 1.0f ? std::fmod(static_cast<float>(stroke / 4) * goldenShare, 1.0f) : 0.0f;
    const int startSize = disc.ringSize(firstRing);
    latticeCursor cursor{firstRing, static_cast<int>(static_cast<float>(startSize) * (armStart[arm] + spread)) % startSize};
    int lap = 0;
    while (true) {
        const int ring = cursor.i;
        land.environment(disc.cellIndex(cursor)) = armHeight[arm];
        const int size = disc.ringSize(ring);
        cursor.j = (cursor.j + 1) % size;
        // Stay on this ring with chance 1 - 1/(size * keep), and never for more than a full lap.
        if (lap != size) {
            const float leave = 1.0f / (static_cast<float>(size) * keep);
            if (leave <= land.random.u()) {
                lap += 1;
                continue;
            }
        }
        keep = (1.0f - static_cast<float>(size) / static_cast<float>(rimSize)) * 0.1f / scale;
        lap = 0;
        if (disc.neighbour(cursor, disc.cellIndex(cursor), outward) == -1) return ring;
    }
}

void raiseDiscPlateau(const terrain& land, const spiralLattice& disc)
{
    const float rings = static_cast<float>(disc.numRings());
    latticeCursor cursor;
    for (int cell = disc.firstCell(cursor); cell != -1; cell = disc.nextCell(cursor)) {
        const float level = 1.0f - static_cast<float>(cursor.i) / rings;
        if (level > plateauLevel) land.environment(cell) = level;
    }
}

void generateDiscEnvironment(const terrain& land)
{
    const auto* disc = dynamic_cast<const spiralLattice*>(&land.ground);
    if (!disc) return;
    fillEnvironment(land, 0.0f);
    const int drawn = land.random.rand() % strokeSpread + strokeBase;
    const int strokes = static_cast<int>(std::lround(static_cast<float>(drawn) * armScale(*disc)));
    for (int stroke = 0; stroke < strokes; ++stroke) paintDiscArm(land, *disc, stroke);
    raiseDiscPlateau(land, *disc);
    smoothField(land, 0);
}
