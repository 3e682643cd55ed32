// Drawing the world's ground into a picture, one lattice at a time.
#include "terrainMap.h"

#include "environment.h"
#include "modeColours.h"
#include "planeLattice.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
#include "world.h"

#include <cmath>
#include <vector>

namespace {

constexpr double degreesPerRadian = 180.0 / 3.14159265358979323846;

void paint(const World& world, Picture& picture, int x, int y, int cell)
{
    const Colour colour = environmentRamp(world.cells[cell].field[environmentField]);
    std::uint8_t* pixel = picture.pixel(x, y);
    pixel[0] = static_cast<std::uint8_t>(std::lround(colour.red * 255.0f));
    pixel[1] = static_cast<std::uint8_t>(std::lround(colour.green * 255.0f));
    pixel[2] = static_cast<std::uint8_t>(std::lround(colour.blue * 255.0f));
    pixel[3] = 255;
}

Picture blank(int width, int height)
{
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.rgba.assign(static_cast<size_t>(width) * height * 4, 0);
    return picture;
}

// Row 0 of the grid is its lower edge, so it goes to the bottom of the picture.
Picture planeMap(const World& world, const planeLattice& plane, int scale)
{
    Picture picture = blank(plane.gridWidth * scale, plane.gridHeight * scale);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            paint(world, picture, x, y, (plane.gridHeight - 1 - y / scale) * plane.gridWidth + x / scale);
    return picture;
}

// The cell of a ring whose whole-degree span [360 k / n, 360 (k + 1) / n) holds the angle.
int cellAtAngle(int size, double degrees)
{
    int k = static_cast<int>(degrees * size / 360.0);
    while (k + 1 < size && 360 * (k + 1) / size <= degrees) ++k;
    while (k > 0 && 360 * k / size > degrees) --k;
    return k;
}

Picture discMap(const World& world, const spiralLattice& disc, int scale)
{
    const int rings = disc.numRings();
    Picture picture = blank(2 * rings * scale, 2 * rings * scale);
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            const double dx = (x + 0.5) / scale - rings;
            const double dy = rings - (y + 0.5) / scale;
            const int ring = static_cast<int>(std::hypot(dx, dy));
            if (ring >= rings) continue;
            // Angles run from +y toward -x.
            double degrees = std::atan2(-dx, dy) * degreesPerRadian;
            if (degrees < 0.0) degrees += 360.0;
            const latticeCursor at{ring, cellAtAngle(disc.ringSize(ring), degrees)};
            paint(world, picture, x, y, disc.cellIndex(at));
        }
    return picture;
}

Picture sphereMap(const World& world, const sphereLattice& sphere, int scale)
{
    std::vector<int> rowLength(static_cast<size_t>(sphere.rowCount), 0);
    latticeCursor cursor;
    for (int cell = sphere.firstCell(cursor); cell != -1; cell = sphere.nextCell(cursor)) rowLength[cursor.j] += 1;

    Picture picture = blank(sphere.stride * scale, sphere.rowCount * scale);
    for (int y = 0; y < picture.height; ++y) {
        const int row = y / scale;
        for (int x = 0; x < picture.width; ++x) {
            const latticeCursor at{static_cast<int>((x + 0.5) / picture.width * rowLength[row]), row};
            paint(world, picture, x, y, sphere.cellIndex(at));
        }
    }
    return picture;
}

}  // namespace

Picture terrainMap(const World& world, int scale)
{
    if (world.empty()) return {};
    const lattice& ground = *world.currentLattice;
    if (const auto* plane = dynamic_cast<const planeLattice*>(&ground)) return planeMap(world, *plane, scale);
    if (const auto* disc = dynamic_cast<const spiralLattice*>(&ground)) return discMap(world, *disc, scale);
    if (const auto* sphere = dynamic_cast<const sphereLattice*>(&ground)) return sphereMap(world, *sphere, scale);
    return {};
}
