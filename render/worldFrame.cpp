// The frame's picture: the camera, then the outer and the inner layer.
#include "worldFrame.h"

#include "view.h"
#include "worldLayer.h"
#include "worldTexture.h"

#include <GL/gl.h>

namespace {

// The inner layer adds nothing where it is None or shows what the outer layer shows.
bool innerLayerDrawn(const View& view)
{
    return view.innerRenderMode != noneMode && view.innerRenderMode != view.outerRenderMode;
}

// Both layers as one texture, and the highlight on it; the tiles' arrays are let go meanwhile.
void drawTextureLayers(const World& world, View& view, int stride)
{
    letGoOfTiles(view);
    const int innerMode = innerLayerDrawn(view) ? view.innerRenderMode : noneMode;
    if (view.outerRenderMode == noneMode && innerMode == noneMode) return;
    drawWorldTexture(world, view, stride, view.outerRenderMode, innerMode);
    drawFlatHighlight(world, view);
}

}  // namespace

bool innerTilesDrawn(const View& view) { return innerLayerDrawn(view) && view.innerRenderMode != geneologyMode; }

void letGoOfTiles(View& view)
{
    view.outerTiles.release();
    view.innerTiles.release();
}

int viewportStride(const World& world, const View& view)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    return textureStride(world, view.camera, viewport[3]);
}

void drawWorldLayers(const World& world, View& view)
{
    const int stride = viewportStride(world, view);
    if (stride > 0) {
        drawTextureLayers(world, view, stride);
        return;
    }
    if (view.outerRenderMode != noneMode) drawWorldLayer(world, view, view.outerRenderMode, 0.0f, 1.0f, view.outerTiles);
    if (innerLayerDrawn(view)) drawWorldLayer(world, view, view.innerRenderMode, innerLift, view.tileSize, view.innerTiles);
}

void drawWorldFrame(const World& world, View& view)
{
    // The clear colour is never set: the background is black.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setProjectionAndCamera(view.camera);
    glDisable(GL_LIGHTING);
    drawWorldLayers(world, view);
}
