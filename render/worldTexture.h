// A world whose cells are smaller than a pixel, drawn as a texture of its cells' colours on fixed
// geometry: the cost of the picture follows its pixels rather than its cells.
#pragma once

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

// The view's layers as one texture on the view's layout (laid out for the stride).
// A texel takes its cell's outer colour (black where the outer layer leaves the cell out), with the
// inner colour blended over it by the inner tiles' share of the cell's area, tileSize squared, where
// the inner layer shows the cell. Geneology gives each living cell its lineage colour, in full as
// either layer: its points and links are a pixel wide, so where cells are under a pixel they cover
// the living cells. A texel whose cell neither layer shows is left out. The relief is left out: its
// heights lie within +-6 cells on the plane and the disc and +-1.5 on the sphere, which from the
// world's camera is a few pixels at most; the texture lies flat at height 0.
void drawWorldTexture(const World& world, View& view, int stride, int outerMode, int innerMode);
