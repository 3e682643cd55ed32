// The pick pass: which cell's tile lies under a pixel of the world window, by GL selection mode.
#pragma once

#include <GL/gl.h>

inline constexpr int pickBufferSize = 65535;

// The selection buffer of the pick pass.
extern GLuint pickBuffer[pickBufferSize];

// The cell found by the last pick pass, -1 for none.
extern int pickedCell;

// Draws the outer layer's tiles (no lift) with each cell's index loaded as its selection name.
void drawPickTiles(float elevation, int heightMode, float size);

// Finds the nearest tile under window pixel (x, y) (y down, as GLUT reports the mouse) with the
// camera of the frame and stores its cell in pickedCell: -1 where no tile is, in a window with no
// pixels, and when there are more hits than the buffer holds. Leaves the projection matrix as it was.
int pickCellAt(int x, int y);

// The nearest hit of a selection buffer holding hits records: the first name of the record with
// the smallest minimum depth (the earlier record of equal depths); -1 for no hit or an overflow
// (a negative count).
int nearestHit(const GLuint* buffer, int hits, int bufferSize);
