// Laying a world's cells out as a texture, and drawing its colours on the layout's geometry.
#include "worldTexture.h"

#include "camera.h"
#include "clamp01.h"
#include "modeColours.h"
#include "planeLattice.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
#include "view.h"
#include "world.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int discAngles = 256;  // the polar mesh's segments around
constexpr int discBands = 16;  // and its rings of quads
constexpr int sphereLongitudes = 128;  // the sphere's mesh around
constexpr int sphereBands = 64;  // and from pole to pole
constexpr double degreesInTurn = 360.0;
constexpr double degreesToRadians = 3.14159265358979323846 / 180.0;
constexpr int bytesPerTexel = 4;
constexpr float byteLargest = 255.0f;

float cellWidth(const World& world)
{
    const lattice* cells = world.currentLattice.get();
    if (const auto* plane = dynamic_cast<const planeLattice*>(cells)) return plane->cellSize;
    if (const auto* sphere = dynamic_cast<const sphereLattice*>(cells)) return sphere->cellSize;
    return 1.0f;  // the disc's rings are one unit wide
}

int texelsFor(int cells, int stride) { return (cells + stride - 1) / stride; }

// The middle cell of a block of stride cells starting at the texel's first, within count.
int sampledCell(int texel, int stride, int count) { return std::min(texel * stride + stride / 2, count - 1); }

// A colour's byte, rounded.
std::uint8_t colourByte(float value) { return static_cast<std::uint8_t>(clamp01(value) * byteLargest + 0.5f); }

bool layerColour(int mode, const Cell& cell, float seconds, Colour& out)
{
    if (mode != geneologyMode) return tileColour(mode, cell, out);
    if (!(cell.field[populationField] > 0.0f)) return false;
    out = lineageColour(cell, seconds);
    return true;
}

}  // namespace

int textureStride(const World& world, const Camera& camera, int viewportHeight)
{
    if (world.empty()) return 0;
    const double pixels = cellWidth(world) * viewportHeight / (2.0 * camera.distance);
    if (!(pixels > 0.0) || pixels >= 1.0) return 0;
    return static_cast<int>(std::ceil(1.0 / pixels));
}

bool textureLayout::fits(const World& world, int asked) const
{
    int sizes[2];
    sizeMeasures(world.topology, world.sizes, sizes);
    return topology == world.topology && measures[0] == sizes[0] && measures[1] == sizes[1] && requested == asked;
}

void textureLayout::layOut(const World& world, int asked)
{
    if (fits(world, asked)) return;
    topology = world.topology;
    sizeMeasures(world.topology, world.sizes, measures);
    requested = asked;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    // A texture wider or higher than GL takes is sampled more sparsely.
    for (stride = asked;; ++stride) {
        cells.clear();
        vertices.clear();
        coordinates.clear();
        if (topology == discTopology) {
            layOutDisc(world);
        } else if (topology == sphereTopology) {
            layOutSphere(world);
        } else {
            layOutPlane(world);
        }
        if (largest <= 0 || std::max(columns, rows) <= largest) return;
    }
}

void textureLayout::quad(const float corners[4][3], const float texture[4][2])
{
    for (int corner = 0; corner < 4; ++corner) {
        vertices.insert(vertices.end(), corners[corner], corners[corner] + 3);
        coordinates.insert(coordinates.end(), texture[corner], texture[corner] + 2);
    }
}

void textureLayout::layOutPlane(const World& world)
{
    const auto& plane = static_cast<const planeLattice&>(*world.currentLattice);
    columns = texelsFor(plane.gridWidth, stride);
    rows = texelsFor(plane.gridHeight, stride);
    cells.reserve(static_cast<std::size_t>(columns) * rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            cells.push_back(sampledCell(row, stride, plane.gridHeight) * plane.gridWidth +
                            sampledCell(column, stride, plane.gridWidth));
    const float x0 = plane.originX, y0 = plane.originY;
    const float x1 = x0 + static_cast<float>(plane.gridWidth) * plane.cellSize;
    const float y1 = y0 + static_cast<float>(plane.gridHeight) * plane.cellSize;
    const float u1 = static_cast<float>(plane.gridWidth) / static_cast<float>(columns * stride);
    const float v1 = static_cast<float>(plane.gridHeight) / static_cast<float>(rows * stride);
    const float corners[4][3] = {{x0, y0, 0.0f}, {x1, y0, 0.0f}, {x1, y1, 0.0f}, {x0, y1, 0.0f}};
    const float texture[4][2] = {{0.0f, 0.0f}, {u1, 0.0f}, {u1, v1}, {0.0f, v1}};
    quad(corners, texture);
}

void textureLayout::layOutDisc(const World& world)
{
    const auto& disc = static_cast<const spiralLattice&>(*world.currentLattice);
    const int rings = disc.numRings();
    columns = texelsFor(disc.ringSize(rings - 1), stride);
    rows = texelsFor(rings, stride);
    cells.reserve(static_cast<std::size_t>(columns) * rows);
    for (int row = 0; row < rows; ++row) {
        const int ring = sampledCell(row, stride, rings);
        for (int column = 0; column < columns; ++column) {
            const double degrees = (column + 0.5) * degreesInTurn / columns;
            cells.push_back(disc.cellIndex({ring, disc.positionAtAngle(ring, degrees)}));
        }
    }
    // Angles run from +y toward -x, as the rings' tiles do; the texture's rows are rings, so its
    // second coordinate is the radius over the rings the texture holds.
    const double radiusToTexture = 1.0 / (static_cast<double>(rows) * stride);
    const auto corner = [&](int band, int angle, float point[3], float texture[2]) {
        const double radius = static_cast<double>(rings) * band / discBands;
        const double turned = degreesInTurn * angle / discAngles * degreesToRadians;
        point[0] = static_cast<float>(-radius * std::sin(turned));
        point[1] = static_cast<float>(radius * std::cos(turned));
        point[2] = 0.0f;
        texture[0] = static_cast<float>(angle) / discAngles;
        texture[1] = static_cast<float>(radius * radiusToTexture);
    };
    for (int band = 0; band < discBands; ++band)
        for (int angle = 0; angle < discAngles; ++angle) {
            float corners[4][3], texture[4][2];
            corner(band, angle, corners[0], texture[0]);
            corner(band + 1, angle, corners[1], texture[1]);
            corner(band + 1, angle + 1, corners[2], texture[2]);
            corner(band, angle + 1, corners[3], texture[3]);
            quad(corners, texture);
        }
}

void textureLayout::layOutSphere(const World& world)
{
    const auto& sphere = static_cast<const sphereLattice&>(*world.currentLattice);
    columns = texelsFor(sphere.stride, stride);
    rows = texelsFor(sphere.rowCount, stride);
    cells.reserve(static_cast<std::size_t>(columns) * rows);
    for (int row = 0; row < rows; ++row) {
        const int latitudeRow = sampledCell(row, stride, sphere.rowCount);
        const int length = sphere.rowLength(latitudeRow);
        for (int column = 0; column < columns; ++column) {
            // Each tile is centred on its longitude: the nearest one to the texel's centre.
            const int along = static_cast<int>(std::floor((column + 0.5) / columns * length + 0.5)) % length;
            cells.push_back(latitudeRow * sphere.stride + along);
        }
    }
    // From the north edge of the first row to the south edge of the last, rows of latitudeStep degrees.
    const double step = sphere.latitudeStep();
    const double north = (sphere.equatorRow + 0.5) * step;
    const double rowToTexture = 1.0 / (static_cast<double>(rows) * stride);
    const auto corner = [&](int band, int longitude, float point[3], float texture[2]) {
        const double latitude = north - 2.0 * north * band / sphereBands;
        const double across = degreesInTurn * longitude / sphereLongitudes * degreesToRadians;
        const double up = latitude * degreesToRadians;
        point[0] = static_cast<float>(sphere.radius * std::cos(up) * std::sin(across));
        point[1] = static_cast<float>(sphere.radius * std::sin(up));
        point[2] = static_cast<float>(sphere.radius * std::cos(up) * std::cos(across));
        texture[0] = static_cast<float>(longitude) / sphereLongitudes;
        texture[1] = static_cast<float>((north - latitude) / step * rowToTexture);
    };
    for (int band = 0; band < sphereBands; ++band)
        for (int longitude = 0; longitude < sphereLongitudes; ++longitude) {
            float corners[4][3], texture[4][2];
            corner(band, longitude, corners[0], texture[0]);
            corner(band + 1, longitude, corners[1], texture[1]);
            corner(band + 1, longitude + 1, corners[2], texture[2]);
            corner(band, longitude + 1, corners[3], texture[3]);
            quad(corners, texture);
        }
}

void textureLayout::draw(const std::vector<std::uint8_t>& rgba) const
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_COLOR_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, columns, rows, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glTexCoordPointer(2, GL_FLOAT, 0, coordinates.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices.size() / 3));
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopAttrib();
    glDeleteTextures(1, &texture);
}

void drawWorldTexture(const World& world, View& view, int stride, int outerMode, int innerMode)
{
    textureLayout& layout = view.texture;
    layout.layOut(world, stride);
    const float innerShare = innerMode == geneologyMode ? 1.0f : view.tileSize * view.tileSize;
    const std::vector<std::int32_t>& cells = layout.texelCells();
    std::vector<std::uint8_t>& rgba = view.texels;
    rgba.resize(cells.size() * bytesPerTexel);
    for (std::size_t texel = 0; texel < cells.size(); ++texel) {
        std::uint8_t* bytes = &rgba[texel * bytesPerTexel];
        const Cell& cell = world.cells[cells[texel]];
        Colour outer = noGroupColour, inner{};
        const bool outerShown = layerColour(outerMode, cell, view.seconds, outer);
        const bool innerShown = layerColour(innerMode, cell, view.seconds, inner);
        const Colour colour = innerShown ? lerpColour(outer, inner, innerShare) : outer;
        bytes[0] = colourByte(colour.red);
        bytes[1] = colourByte(colour.green);
        bytes[2] = colourByte(colour.blue);
        bytes[3] = outerShown || innerShown ? UINT8_MAX : 0;
    }
    layout.draw(rgba);
}
