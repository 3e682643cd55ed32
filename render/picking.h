// The pick pass: which cell's tile the world window shows at a pixel.
#pragma once

struct View;
struct World;

// The cell of the world whose tile the view's frame shows at the centre of window pixel (x, y)
// (y down, as GLUT reports the mouse), with the view's camera: the outer layer's tiles, and the inner layer's where it
// is drawn. The tiles are drawn into that one pixel, each cell's in a colour that names it, with
// the depth test of the frame, and the pixel is read back: so the pick finds exactly the tile a
// capture of the pixel shows. -1 where no tile is and in a window with no pixels. Leaves the
// projection and the other pixels as they were, the camera in the modelview.
int pickCellAt(const World& world, const View& view, int x, int y);
