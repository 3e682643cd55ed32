// The disc of 40 rings as the world builds it: 4955 cells in an index space of 9840.
#include "spiralLattice.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float fullTurn = 6.28f;
constexpr double degreesToRadians = 3.14159265358979323846 / 180.0;
constexpr std::int64_t degreesInTurn = 360;

struct point {
    float x, y;
};

point operator+(point a, point b) { return {a.x + b.x, a.y + b.y}; }
point operator-(point a, point b) { return {a.x - b.x, a.y - b.y}; }
point operator*(point a, float t) { return {a.x * t, a.y * t}; }

// Where tile k of a ring of size tiles starts, in degrees from +y toward -x. Tiles start at whole
// degrees; a ring of more tiles than a turn has degrees would give some of them no width at all, so
// on such rings (only on discs of more than about 57 rings) they start at their exact share of the turn.
double tileStart(std::int32_t k, std::int32_t size)
{
    if (size <= degreesInTurn) return static_cast<double>(degreesInTurn * k / size);
    return static_cast<double>(degreesInTurn) * k / size;
}

// The corners at radius r and r + 1 for an angle in degrees, measured from +y toward -x.
discTile tileAt(std::int32_t ring, double degrees)
{
    const double sine = std::sin(degrees * degreesToRadians);
    const double cosine = std::cos(degrees * degreesToRadians);
    const double inner = ring;
    const double outer = ring + 1;
    return {static_cast<float>(-inner * sine), static_cast<float>(inner * cosine), static_cast<float>(-outer * sine),
            static_cast<float>(outer * cosine)};
}

}  // namespace

// A = inner corner of the cell, D = its outer corner, C and B the inner and outer corners of the next cell.
struct spiralLattice::cellCorners {
    point a, b, c, d;
};

spiralLattice::spiralLattice(std::int32_t ringTotal)
    : ringCount(ringTotal), stride(static_cast<std::int32_t>(static_cast<float>(ringTotal) * fullTurn))
{
}

void spiralLattice::buildShape()
{
    const std::int32_t step = stride;
    rings.assign(static_cast<size_t>(ringCount), {});
    cellTotal = 0;
    std::int32_t longest = 0;
    for (std::int32_t r = 0; r < ringCount; ++r) {
        const std::int32_t size = r * step / ringCount + 2;
        std::vector<discTile>& ring = rings[static_cast<size_t>(r)];
        ring.reserve(static_cast<size_t>(size));
        for (std::int32_t k = 0; k < size; ++k) ring.push_back(tileAt(r, tileStart(k, size)));
        cellTotal += size;
        longest = std::max(longest, size);
    }
    stride = longest;
    indexCount = stride * ringCount;
}

std::int32_t spiralLattice::numRings() const { return static_cast<std::int32_t>(rings.size()); }

std::int32_t spiralLattice::ringSize(std::int32_t ring) const
{
    if (ring < 0 || ring >= numRings()) return 0;
    return static_cast<std::int32_t>(rings[static_cast<size_t>(ring)].size());
}

std::int32_t spiralLattice::positionAtAngle(std::int32_t ring, double degrees) const
{
    const std::int64_t size = ringSize(ring);
    if (size > degreesInTurn)
        return static_cast<std::int32_t>(
            std::clamp(static_cast<std::int64_t>(degrees * size / degreesInTurn), std::int64_t{0}, size - 1));
    // Tile k starts at 360 k / size whole degrees: the last tile starting at or before the angle's degree covers it.
    const std::int64_t degree = std::clamp(static_cast<std::int64_t>(std::floor(degrees)), std::int64_t{0}, degreesInTurn - 1);
    const std::int64_t position = ((degree + 1) * size + degreesInTurn - 1) / degreesInTurn - 1;
    return static_cast<std::int32_t>(std::clamp(position, std::int64_t{0}, size - 1));
}

bool spiralLattice::holdsCell(const latticeCursor& cursor) const { return cursor.j >= 0 && cursor.j < ringSize(cursor.i); }

int spiralLattice::cellCount() const { return indexCount; }

int spiralLattice::randomCell(RandomGenerator& random) const
{
    int q = random.below(cellTotal);
    std::int32_t ring = 0;
    while (q >= ringSize(ring)) {
        q -= ringSize(ring);
        ring += 1;
    }
    return ring * stride + q;
}

int spiralLattice::neighbour(latticeCursor& cursor, int, int direction) const
{
    if (direction < 0 || direction >= neighbourDirections || ringSize(cursor.i) == 0) return -1;
    std::int32_t ring = cursor.i;
    std::int32_t position = cursor.j;
    if (directionStepI[direction] != 0) {
        const std::int32_t across = ring + directionStepI[direction];
        if (across < 0 || across >= numRings()) return -1;
        // Carry the position over by its fraction of the turn; the form (n' + 0.5)(f + 1) is the lattice's own.
        const float fraction = static_cast<float>(position) / static_cast<float>(ringSize(ring));
        const double carried = (ringSize(across) + 0.5) * (fraction + 1.0);
        position = static_cast<std::int32_t>(carried) % ringSize(across);
        ring = across;
    }
    const std::int32_t size = ringSize(ring);
    position = (size + position + directionStepJ[direction]) % size;
    cursor.i = ring;
    cursor.j = position;
    return ring * stride + position;
}

int spiralLattice::nextCell(latticeCursor& cursor) const
{
    if (cursor.i < 0 || cursor.i >= numRings()) return -1;
    cursor.j += 1;
    // >= rather than ==: a cursor on a hole moves on to the next ring instead of running on
    // through indices that belong to other rings.
    if (cursor.j >= ringSize(cursor.i)) {
        cursor.j = 0;
        cursor.i += 1;
        if (cursor.i == numRings()) return -1;
    }
    return cursor.i * stride + cursor.j;
}

spiralLattice::cellCorners spiralLattice::cornersOf(const latticeCursor& cursor) const
{
    const std::vector<discTile>& ring = rings[static_cast<size_t>(cursor.i)];
    const discTile& own = ring[static_cast<size_t>(cursor.j)];
    const discTile& next = ring[(static_cast<size_t>(cursor.j) + 1) % ring.size()];
    return {{own.innerX, own.innerY}, {next.outerX, next.outerY}, {next.innerX, next.innerY}, {own.outerX, own.outerY}};
}

void spiralLattice::emitCorners(unsigned primitive, const latticeCursor& cursor, float height) const
{
    if (!holdsCell(cursor)) return;
    const cellCorners corners = cornersOf(cursor);
    glBegin(primitive);
    glVertex3f(corners.a.x, corners.a.y, height);
    glVertex3f(corners.c.x, corners.c.y, height);
    glVertex3f(corners.b.x, corners.b.y, height);
    glVertex3f(corners.d.x, corners.d.y, height);
    glEnd();
}

void spiralLattice::drawCellOutline(const latticeCursor& cursor, int, float height) const
{
    emitCorners(GL_LINE_LOOP, cursor, height);
}

void spiralLattice::drawCellFilled(const latticeCursor& cursor, int, float height) const
{
    emitCorners(GL_QUADS, cursor, height);
}

bool spiralLattice::tileCorners(const latticeCursor& cursor, int, float height, float size, float corners[4][3]) const
{
    if (!holdsCell(cursor)) return false;
    const cellCorners own = cornersOf(cursor);
    // Each corner moves toward the midpoint of its diagonal: size 1 gives the full cell, 0 the midpoints.
    const float t = 0.5f + 0.5f * size;
    const point moved[4] = {own.b + (own.a - own.b) * t, own.d + (own.c - own.d) * t, own.a + (own.b - own.a) * t,
                            own.c + (own.d - own.c) * t};
    for (int corner = 0; corner < 4; ++corner) {
        corners[corner][0] = moved[corner].x;
        corners[corner][1] = moved[corner].y;
        corners[corner][2] = height;
    }
    return true;
}

float* spiralLattice::cellPosition(const latticeCursor& cursor, int, float* out, float height) const
{
    point centre{0.0f, 0.0f};
    if (holdsCell(cursor)) {
        const cellCorners corners = cornersOf(cursor);
        centre = corners.a + (corners.b - corners.a) * 0.5f;
    }
    out[0] = centre.x;
    out[1] = centre.y;
    out[2] = height;
    return out;
}

bool spiralLattice::locate(int index, latticeCursor& cursor) const
{
    cursor.i = index / stride;
    cursor.j = index % stride;
    return index >= 0 && index < indexCount;
}

int spiralLattice::cellIndex(const latticeCursor& cursor) const { return cursor.i * stride + cursor.j; }
