// Gathering a layer's tiles, working out corners only where a cell moved.
#include "layerTiles.h"

#include "modeColours.h"
#include "relief.h"
#include "world.h"

#include <GL/gl.h>

#include <cstring>

namespace {

constexpr std::size_t cornerValues = 4 * 3;  // four corners of three numbers

std::uint32_t bitsOf(float value)
{
    std::uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

void layerTiles::forgetCorners(const World& world)
{
    const std::size_t cells = static_cast<std::size_t>(world.cellCount);
    corners.assign(cells * cornerValues, 0.0f);
    colours.assign(cells * cornerValues, 0.0f);
    cellOfQuad.assign(cells, -1);
    heightOfQuad.assign(cells, 0);
    changedCorners.addAll(cells);
    changedColours.addAll(cells);
    shape = latticeShape(world.topology, world.sizes);
}

bool layerTiles::belongsTo(const World& world) const
{
    return shape == latticeShape(world.topology, world.sizes) && cellOfQuad.size() == static_cast<std::size_t>(world.cellCount);
}

void layerTiles::release() { *this = layerTiles{}; }

bool layerTiles::request::operator==(const request& other) const
{
    return revision == other.revision && mode == other.mode && reliefField == other.reliefField &&
           reliefScale == other.reliefScale && lift == other.lift && size == other.size;
}

void layerTiles::gather(const World& world, std::uint64_t revision, int mode, const reliefScale& relief, float lift, float size)
{
    const request asked{revision, mode, relief.field, bitsOf(relief.scale), bitsOf(lift), bitsOf(size)};
    const bool belongs = belongsTo(world);
    if (revision != 0 && asked == gathered && belongs) return;
    // Corners belong to a shape and a size: a lattice of the same topology and size has the same shape.
    if (!belongs || gathered.size != asked.size) forgetCorners(world);
    gathered = asked;
    const lattice& cells = *world.currentLattice;
    Colour colour{};
    quads = 0;
    for (const std::int32_t index : cells.walkOrder()) {
        const Cell& cell = world.cells[index];
        if (!tileColour(mode, cell, colour)) continue;
        const float height = cellHeight(cell, relief, lift);
        const std::uint32_t heightBits = bitsOf(height);
        if (cellOfQuad[quads] != index || heightOfQuad[quads] != heightBits) {
            latticeCursor cursor;
            const bool drawn =
                cells.locate(index, cursor) &&
                cells.tileCorners(cursor, index, height, size, reinterpret_cast<float(*)[3]>(&corners[quads * cornerValues]));
            cellOfQuad[quads] = drawn ? index : -1;
            if (!drawn) continue;
            heightOfQuad[quads] = heightBits;
            changedCorners.add(quads);
        }
        setColour(quads, colour);
        ++quads;
    }
}

void layerTiles::setColour(std::size_t quad, const Colour& colour)
{
    const float rgb[] = {colour.red, colour.green, colour.blue};
    float* const values = &colours[quad * cornerValues];
    if (std::memcmp(values, rgb, sizeof rgb) == 0) return;  // a quad's four corners share its colour
    for (std::size_t value = 0; value < cornerValues; value += 3) std::memcpy(values + value, rgb, sizeof rgb);
    changedColours.add(quad);
}

void layerTiles::draw(bool inBuffers)
{
    if (inBuffers) {
        buffers.send(corners, changedCorners, colours, changedColours);
        buffers.draw(quads);
        return;
    }
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners.data());
    glColorPointer(3, GL_FLOAT, 0, colours.data());
    glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(4 * quads));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
}
