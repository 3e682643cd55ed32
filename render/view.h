// What one view of a world shows and from where: the render modes, the relief, the camera, the
// selected cell and the time of the picture.
#pragma once

#include "camera.h"
#include "layerTiles.h"
#include "renderMode.h"
#include "textureLayout.h"

#include <cstdint>
#include <vector>

// A view belongs to whoever looks (the desktop program's window, a lab run's snapshots), never to
// the world: a world needs no view, and a view can be pointed at another world. Rendering reads
// the world and the view and nothing else, no clock included.
struct View {
    int outerRenderMode = environmentMode;  // "Outer": the full tiles, and the field the paint tools write
    int innerRenderMode = cultureMode;  // "Inner"
    int zRenderMode = environmentMode;  // "Z": the mode whose field lifts the tiles
    float tileSize = 0.55f;  // the inner tiles' size, 0..1 of a cell
    float elevation = 1.0f;  // the relief's scale, 0..1
    Camera camera;
    int selectedIndex = -1;  // the selected cell, -1 for none; cleared by whoever replaces the world's lattice
    float seconds = 0.0f;  // the time the picture shows: the highlight's pulse and Geneology's colours follow it
    // Kept from frame to frame, so that a frame of a world that has not moved works out no corners.
    // A view drawn in one context only, which is current whenever the view is let go of or assigned
    // over (the program's world window), may keep them in GL buffers of that context, and send GL
    // only what changed; any other (a lab run's, a picture's, a test's) draws them from its arrays.
    bool tilesInBuffers = false;
    // The state of the world drawn, numbered by whoever knows when it changes (the program, told of
    // every change): a layer gathered at the same number, in the same mode, relief and size, is drawn
    // again as it was. 0, for a world whose changes nobody counts, gathers every frame.
    std::uint64_t worldRevision = 0;
    layerTiles outerTiles, innerTiles;
    // A world drawn as a texture keeps the texture's layout instead, and the bytes of its texels.
    textureLayout texture;
    std::vector<std::uint8_t> texels;
};
