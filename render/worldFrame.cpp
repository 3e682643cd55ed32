// The frame's picture: the camera, then the outer and the inner layer.
#include "worldFrame.h"

#include "camera.h"
#include "layerTiles.h"
#include "renderMode.h"
#include "renderSettings.h"
#include "worldLayer.h"
#include "worldSettings.h"

#include <GL/gl.h>

namespace {

// The inner layer adds nothing where it is None or shows what the outer layer shows.
bool innerLayerDrawn() { return innerRenderMode != noneMode && innerRenderMode != outerRenderMode; }

}  // namespace

bool innerTilesDrawn() { return innerLayerDrawn() && innerRenderMode != geneologyMode; }

void drawWorldLayers()
{
    static layerTiles outer, inner;
    if (outerRenderMode != noneMode) drawWorldLayer(outerRenderMode, zRenderMode, elevation, 0.0f, 1.0f, outer);
    if (innerLayerDrawn()) drawWorldLayer(innerRenderMode, zRenderMode, elevation, innerLift, tileSize, inner);
}

void drawWorldFrame()
{
    // The clear colour is never set: the background is black.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setProjectionAndCamera();
    glDisable(GL_LIGHTING);
    drawWorldLayers();
}
