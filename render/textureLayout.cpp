// Laying a world's cells out as a texture on fixed geometry, and drawing it.
#include "textureLayout.h"

#include "planeLattice.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
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

int texelsFor(int cells, int stride) { return (cells + stride - 1) / stride; }

// The middle cell of a block of stride cells starting at the texel's first, within count.
int sampledCell(int texel, int stride, int count) { return std::min(texel * stride + stride / 2, count - 1); }

}  // namespace

bool textureLayout::fits(const World& world, int asked) const
{
    return shape == latticeShape(world.topology, world.sizes) && requested == asked;
}

void textureLayout::layOut(const World& world, int asked)
{
    if (fits(world, asked)) return;
    shape = latticeShape(world.topology, world.sizes);
    requested = asked;
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    // A texture wider or higher than GL takes is sampled more sparsely.
    for (stride = asked;; ++stride) {
        cells.clear();
        vertices.clear();
        coordinates.clear();
        if (shape.topology == discTopology) {
            layOutDisc(world);
        } else if (shape.topology == sphereTopology) {
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

void textureLayout::mesh(int bands, int segments, const std::function<void(int, int, float*, float*)>& corner)
{
    for (int band = 0; band < bands; ++band)
        for (int segment = 0; segment < segments; ++segment) {
            float corners[4][3], texture[4][2];
            corner(band, segment, corners[0], texture[0]);
            corner(band + 1, segment, corners[1], texture[1]);
            corner(band + 1, segment + 1, corners[2], texture[2]);
            corner(band, segment + 1, corners[3], texture[3]);
            quad(corners, texture);
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
    mesh(discBands, discAngles, corner);
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
    mesh(sphereBands, sphereLongitudes, corner);
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
