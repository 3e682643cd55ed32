// The tiles of one layer gathered into the arrays GL draws at once.
#pragma once

#include "tileBuffers.h"
#include "worldSize.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct Colour;
struct reliefScale;
struct World;

// Every drawn cell's four corners and its colour, in the lattice's order: the quads the lattice's
// drawCellTile would draw one by one, with the same numbers. The arrays stay from frame to frame,
// and a tile whose cell keeps its place and its height keeps the corners worked out before, so a
// frame of a world that has not moved works out no corners. Drawn from buffers, the tiles send GL
// only the corners and colours that changed since it last had them.
class layerTiles {
public:
    // Gathers the tiles of the world's cells in the mode, at their heights in the relief plus the
    // lift, size wide. The world may differ from call to call. A world numbered by a revision (not
    // 0) gathered before at that revision, mode, relief, lift and size keeps the tiles it has.
    void gather(const World& world, std::uint64_t revision, int mode, const reliefScale& relief, float lift, float size);
    // Draws what was gathered, as quads: from buffers of the current context when inBuffers (made
    // on the first such draw, and let go of with the tiles, in that context), else from the arrays.
    void draw(bool inBuffers);
    // Lets the arrays and the buffers go, for a world drawn otherwise.
    void release();

private:
    // What a gathering was asked for, the numbers by their bits.
    struct request {
        std::uint64_t revision = 0;
        int mode = -1, reliefField = -1;
        std::uint32_t reliefScale = 0, lift = 0, size = 0;
        bool operator==(const request& other) const;
    };

    void forgetCorners(const World& world);
    bool belongsTo(const World& world) const;
    void setColour(std::size_t quad, const Colour& colour);

    std::vector<float> corners, colours;  // three numbers for each corner
    std::vector<std::int32_t> cellOfQuad;  // the cell whose corners a quad holds, -1 for none
    std::vector<std::uint32_t> heightOfQuad;  // the bits of the height they were worked out at
    quadSpan changedCorners, changedColours;  // what the buffers do not have yet
    tileBuffers buffers;
    std::size_t quads = 0;
    LatticeShape shape;  // of the lattice the corners belong to
    request gathered;  // the last gathering
};
