// The frame's picture: the camera, then the outer and the inner layer.
#include "worldFrame.h"

#include "view.h"
#include "worldLayer.h"

#include <GL/gl.h>

namespace {

// The inner layer adds nothing where it is None or shows what the outer layer shows.
bool innerLayerDrawn(const View& view)
{
    return view.innerRenderMode != noneMode && view.innerRenderMode != view.outerRenderMode;
}

}  // namespace

bool innerTilesDrawn(const View& view) { return innerLayerDrawn(view) && view.innerRenderMode != geneologyMode; }

void drawWorldLayers(const World& world, View& view)
{
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
