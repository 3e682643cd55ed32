// Drawing the world as one layer of tiles in a render mode, lifted into a relief.
#pragma once

class layerTiles;
struct View;
struct World;

// Draws every cell of the world once in the mode (tiles of the given size, gathered into the
// layer's tiles; lines and points for Geneology), lifted by the view's relief, then outlines the
// view's selected cell in a colour pulsing from white to red once a second of the view's time.
// Leaves the colour black and the line width 1. Nothing for an empty world.
void drawWorldLayer(const World& world, const View& view, int mode, float lift, float size, layerTiles& tiles);

// The view's selected cell outlined as drawWorldLayer outlines it, on cells laid flat at height 0.
void drawFlatHighlight(const World& world, const View& view);
