// Where the program's windows stand: at the places they are given when the screen holds them all
// side by side, else in a compact arrangement in which no window covers another.
#pragma once

struct WindowPlace {
    int x, y, width, height;
};

struct WindowLayout {
    WindowPlace world, simulation, render, plots;
};

// The places of the windows on a screen, the panels and the Plots window being of the sizes given
// (their x and y are not read). On a screen that holds the given places (the world window at
// (500, 32), 740 x 740, Simulation at (0, 0), Render at (0, 680), Plots beside the world window),
// each moved within the screen where it would stand beyond it, without one covering another, those
// are kept. Otherwise Simulation stands at the top left, Render below it or, when that does not
// fit, beside it, the Plots window at the right edge, and the world window takes the room left
// between them (at most 740 x 740).
WindowLayout layoutWindows(int screenWidth, int screenHeight, WindowPlace simulation, WindowPlace render, WindowPlace plots);

// Moves the GLUT window to the place, and gives it the place's size when it has another.
void placeWindow(int windowId, WindowPlace place);
