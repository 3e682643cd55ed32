// A world whose cells are smaller than a pixel, drawn as a texture of its cells' colours on fixed
// geometry: the cost of the picture follows its pixels rather than its cells.
#pragma once

#include <cstdint>
#include <vector>

struct Camera;
struct View;
struct World;

// Drawing every tile of a world whose tiles are smaller than a pixel costs time and shows nothing
// more. With the projection's 90-degree field of view, a cell c wide at the camera's distance d
// from the world's centre spans c * h / (2 d) pixels of a viewport h pixels high. Where that is
// under one pixel, the world is drawn as a texture sampling every n-th cell in each direction, n
// the smallest stride that makes a texel at least a pixel there: returns n, or 0 where the tiles
// are drawn (also for an empty world and a viewport without height).
int textureStride(const World& world, const Camera& camera, int viewportHeight);

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
    void layOutPlane(const World& world);
    void layOutDisc(const World& world);
    void layOutSphere(const World& world);

    int topology = -1;
    int measures[2] = {};  // the lattice's size
    int requested = 0;  // the stride asked for
    int stride = 0;  // the stride taken: more where the texture would pass GL's largest
    int columns = 0, rows = 0;
    std::vector<std::int32_t> cells;
    std::vector<float> vertices;  // quads, three numbers a corner
    std::vector<float> coordinates;  // their texture coordinates, two a corner
};

// The view's layers as one texture on the view's layout (laid out for the stride).
// A texel takes its cell's outer colour (black where the outer layer leaves the cell out), with the
// inner colour blended over it by the inner tiles' share of the cell's area, tileSize squared, where
// the inner layer shows the cell. Geneology gives each living cell its lineage colour, in full as
// either layer: its points and links are a pixel wide, so where cells are under a pixel they cover
// the living cells. A texel whose cell neither layer shows is left out. The relief is left out: its
// heights lie within +-6 cells on the plane and the disc and +-1.5 on the sphere, which from the
// world's camera is a few pixels at most; the texture lies flat at height 0.
void drawWorldTexture(const World& world, View& view, int stride, int outerMode, int innerMode);
