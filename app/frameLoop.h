// The frame: drawing the world window.
#pragma once

// The display callback of the world window: clears it and shows the frame.
void display();
