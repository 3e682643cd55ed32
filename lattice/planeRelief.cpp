// The plane's rolling relief: a cone-shaped bump per rectangle, recursing into its quadrants, over
// blocks of a fixed size in cells.
#include "terrain.h"

#include "clamp01.h"
#include "planeLattice.h"

#include <algorithm>
#include <cmath>

namespace {

// The relief keeps the size of its hills in cells: one block of nested cones spans about 80 cells a
// side, and a plane is tiled with as many blocks as fit, each shaped on its own, so that a larger
// plane has more hills rather than larger ones. The default 80 x 80 plane is exactly one block; a
// plane too small for two blocks along a side is one block along it.
constexpr int reliefBlockSide = 80;
constexpr float reliefAmplitude = 1.0f;
constexpr int reliefDepth = 6;

// The whole number of blocks nearest to side / reliefBlockSide, at least one.
int blocksAlong(int side) { return std::max(1, (side + reliefBlockSide / 2) / reliefBlockSide); }

}  // namespace

void planeRelief(const terrain& land, float amplitude, int x0, int y0, int x1, int y1, int depth)
{
    const auto* plane = dynamic_cast<const planeLattice*>(&land.ground);
    if (!plane) return;

    const int halfWidth = (x1 - x0) / 2;
    const int cx = x0 + halfWidth;
    const int cy = y0 + (y1 - y0) / 2;
    const float bump = (2.0f * land.random.u() - 1.0f) * amplitude;
    // The cone's radius is the half-width for both axes; with no half-width there is no cone.
    if (halfWidth > 0) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const float weight =
                    1.0f - std::hypot(static_cast<float>(x - cx), static_cast<float>(y - cy)) / static_cast<float>(halfWidth);
                if (weight <= 0.0f) continue;
                float& ground = land.environment(y * plane->gridWidth + x);
                ground = clamp01(ground + weight * bump);
            }
    }
    if (depth == 0) return;

    const float nested = clamp01(((land.random.u() + 1.0f) * 0.5f - 0.25f) * amplitude);
    planeRelief(land, nested, x0, y0, cx, cy, depth - 1);
    planeRelief(land, nested, cx, y0, x1, cy, depth - 1);
    planeRelief(land, nested, x0, cy, cx, y1, depth - 1);
    planeRelief(land, nested, cx, cy, x1, y1, depth - 1);
}

void tilePlaneRelief(const terrain& land, const planeLattice& plane)
{
    const int across = blocksAlong(plane.gridWidth);
    const int down = blocksAlong(plane.gridHeight);
    for (int row = 0; row < down; ++row)
        for (int column = 0; column < across; ++column)
            planeRelief(land, reliefAmplitude, plane.gridWidth * column / across, plane.gridHeight * row / down,
                        plane.gridWidth * (column + 1) / across, plane.gridHeight * (row + 1) / down, reliefDepth);
}
