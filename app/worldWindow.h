// The world window's picture: the world as the view shows it, at the program clock's time.
#pragma once

// Makes the world window current and draws the frame's picture into it, before it is shown.
void drawFrame();

// The display callback of the world window: drawFrame, then swap the buffers.
void display();
