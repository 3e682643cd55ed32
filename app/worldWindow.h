// The world window's picture: the world as the view shows it, at the program clock's time.
#pragma once

// Makes the world window current and draws the frame's picture into it, before it is shown.
void drawFrame();

// The display callback of the world window: drawFrame, then swap the buffers.
void display();

// The world window's context stands for the program's life, so its view keeps the tiles in that
// context's buffers, from the next frame on.
void keepTilesInWindowBuffers();

// Lets go of the view's tiles while the world window still stands, its context with it.
void letGoOfWindowTiles();
