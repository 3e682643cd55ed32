// The picture of the world window's frame, drawn into whatever GL context is current: the
// program's window, a test's window or an offscreen buffer.
#pragma once

struct View;
struct World;

// How far the inner layer's tiles stand above the outer layer's.
inline constexpr float innerLift = 0.1f;

// Whether the inner layer is drawn as tiles of its own: not None, not the outer layer's mode, and
// not Geneology, whose links are lines.
bool innerTilesDrawn(const View& view);

// How the world is drawn in the current viewport with the view's camera: textureStride's stride,
// 0 for tiles.
int viewportStride(const World& world, const View& view);

// The world as the view shows it: the outer layer (full tiles) and, when it is not None and
// differs from the outer, the inner layer (tileSize tiles, 0.1 higher), in whatever projection is
// loaded; where tiles would be under a pixel, both layers as one texture (see drawWorldTexture).
// The view keeps its layers' tiles or texture layout for the next frame.
void drawWorldLayers(const World& world, View& view);

// Lets go of the tiles the view keeps for its layers: in the view's context, when they are in its
// buffers.
void letGoOfTiles(View& view);

// Clears colour and depth, loads the projection for the current viewport and the view's camera,
// and draws the layers.
void drawWorldFrame(const World& world, View& view);
