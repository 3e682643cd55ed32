// The render settings of the "Render" panel (the Outer choice is a world setting: the paint tools read it).
#pragma once

extern int innerRenderMode;  // RenderMode of the inner layer
extern int zRenderMode;  // RenderMode whose field lifts the tiles
extern float tileSize;  // inner tiles' size, 0..1 of a cell
extern float elevation;  // relief scale, 0..1
