// Keeping the program's windows on a screen smaller than the places they are given.
#pragma once

struct WindowPlace {
    int x, y, width, height;
};

// The place nearest to the given one where the whole window stands on the screen: a place that
// fits is kept; a window larger than the screen keeps its top left corner on it.
WindowPlace placedOnScreen(WindowPlace place, int screenWidth, int screenHeight);

// Moves the GLUT window to placedOnScreen(place) on the screen GLUT reports.
void placeOnScreen(int windowId, WindowPlace place);
