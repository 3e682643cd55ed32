// The plane's rolling relief: a cone-shaped bump per rectangle, recursing into its quadrants.
#include "terrain.h"

#include "clamp01.h"
#include "planeLattice.h"

#include <cmath>

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
