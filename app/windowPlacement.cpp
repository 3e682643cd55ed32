// Laying out the program's windows on the screen.
#include "windowPlacement.h"

#include <GL/glut.h>

#include <algorithm>
#include <iterator>

namespace {

constexpr WindowPlace worldPlace = {500, 32, 740, 740};
constexpr int renderY = 680;
constexpr int plotsX = 1250;  // beside the world window

int placedAlong(int at, int length, int screenLength) { return std::max(0, std::min(at, screenLength - length)); }

WindowPlace placedOnScreen(WindowPlace place, int screenWidth, int screenHeight)
{
    place.x = placedAlong(place.x, place.width, screenWidth);
    place.y = placedAlong(place.y, place.height, screenHeight);
    return place;
}

bool overlap(const WindowPlace& a, const WindowPlace& b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

bool anyOverlap(const WindowLayout& layout)
{
    const WindowPlace places[] = {layout.world, layout.simulation, layout.render, layout.plots};
    for (auto first = std::begin(places); first != std::end(places); ++first)
        for (auto second = std::next(first); second != std::end(places); ++second)
            if (overlap(*first, *second)) return true;
    return false;
}

WindowLayout compactLayout(int screenWidth, int screenHeight, WindowPlace simulation, WindowPlace render, WindowPlace plots)
{
    simulation.x = simulation.y = 0;
    const bool stacked = simulation.height + render.height <= screenHeight;
    render.x = stacked ? 0 : simulation.width;
    render.y = stacked ? std::min(renderY, screenHeight - render.height) : 0;
    plots.x = std::max(0, screenWidth - plots.width);
    plots.y = 0;
    WindowPlace world;
    world.x = stacked ? std::max(simulation.width, render.width) : simulation.width;
    world.y = stacked ? 0 : render.height;
    world.width = std::min(worldPlace.width, plots.x - world.x);
    world.height = std::min(worldPlace.height, screenHeight - world.y);
    return {world, simulation, render, plots};
}

}  // namespace

WindowLayout layoutWindows(int screenWidth, int screenHeight, WindowPlace simulation, WindowPlace render, WindowPlace plots)
{
    const auto onScreen = [&](WindowPlace place, int x, int y) {
        place.x = x;
        place.y = y;
        return placedOnScreen(place, screenWidth, screenHeight);
    };
    const WindowLayout given = {onScreen(worldPlace, worldPlace.x, worldPlace.y), onScreen(simulation, 0, 0),
                                onScreen(render, 0, renderY), onScreen(plots, plotsX, worldPlace.y)};
    return anyOverlap(given) ? compactLayout(screenWidth, screenHeight, simulation, render, plots) : given;
}

void placeWindow(int windowId, WindowPlace place)
{
    const int previous = glutGetWindow();
    glutSetWindow(windowId);
    glutPositionWindow(place.x, place.y);
    if (glutGet(GLUT_WINDOW_WIDTH) != place.width || glutGet(GLUT_WINDOW_HEIGHT) != place.height)
        glutReshapeWindow(place.width, place.height);
    if (previous > 0) glutSetWindow(previous);
}
