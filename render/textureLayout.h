// Where a world drawn as a texture shows which cell: the texels' cells and the geometry they lie on.
#pragma once

#include "worldSize.h"

#include <cstdint>
#include <functional>
#include <vector>

struct World;

// Which cell each texel of the texture shows, and the fixed geometry it is laid on: one quad for
// the plane; for the disc a polar mesh, the texture ring by angle; for the sphere a
// latitude-longitude mesh, the texture row by longitude, each row's cells resampled across. A
// texel shows the cell at its block's centre (the middle one of stride x stride cells), on the
// disc and the sphere the cell whose tile covers the texel's angle in that ring or row. The
// geometry lies where the tiles lie at height 0.
class textureLayout {
public:
    // Lays the texture out for the world's lattice at the stride, unless it already is.
    void layOut(const World& world, int stride);
    bool fits(const World& world, int stride) const;
    // The cell each texel shows, -1 for none, row by row from the texture's first row.
    const std::vector<std::int32_t>& texelCells() const { return cells; }
    // Draws the geometry with the texels' colours (red, green, blue, alpha bytes, in texelCells'
    // order), each texel one flat colour (GL_NEAREST); a texel of alpha 0 leaves its pixels alone.
    void draw(const std::vector<std::uint8_t>& rgba) const;

private:
    void quad(const float corners[4][3], const float coordinates[4][2]);
    // A grid of bands x segments quads, corner(band, segment, point, texture) giving each corner.
    void mesh(int bands, int segments, const std::function<void(int, int, float*, float*)>& corner);
    void layOutPlane(const World& world);
    void layOutDisc(const World& world);
    void layOutSphere(const World& world);

    LatticeShape shape;  // of the lattice laid out
    int requested = 0;  // the stride asked for
    int stride = 0;  // the stride taken: more where the texture would pass GL's largest
    int columns = 0, rows = 0;
    std::vector<std::int32_t> cells;
    std::vector<float> vertices;  // quads, three numbers a corner
    std::vector<float> coordinates;  // their texture coordinates, two a corner
};
