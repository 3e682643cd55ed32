// Windows kept within the screen.
#include "windowPlacement.h"

#include <GL/glut.h>

#include <algorithm>

namespace {

int placedAlong(int at, int length, int screenLength) { return std::max(0, std::min(at, screenLength - length)); }

}  // namespace

WindowPlace placedOnScreen(WindowPlace place, int screenWidth, int screenHeight)
{
    place.x = placedAlong(place.x, place.width, screenWidth);
    place.y = placedAlong(place.y, place.height, screenHeight);
    return place;
}

void placeOnScreen(int windowId, WindowPlace place)
{
    const WindowPlace placed = placedOnScreen(place, glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    const int previous = glutGetWindow();
    glutSetWindow(windowId);
    glutPositionWindow(placed.x, placed.y);
    if (previous > 0) glutSetWindow(previous);
}
