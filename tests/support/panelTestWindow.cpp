// Panel windows for tests.
#include "panelTestWindow.h"

#include <GL/freeglut.h>

namespace {
int windowsMade = 0;
constexpr int columns = 4;
constexpr int cellWidth = 380;
constexpr int cellHeight = 280;

int countFocused(const Control* control)
{
    int count = control->focused ? 1 : 0;
    for (const Control* child = control->firstChild; child; child = child->nextSibling) count += countFocused(child);
    return count;
}
}  // namespace

PanelWindow* freshPanelWindow(const std::string& title)
{
    initialiseGlut();
    const int slot = windowsMade++ % 12;
    PanelWindow* window =
        panelManager.createPanelWindow(title, 10 + (slot % columns) * cellWidth, 10 + (slot / columns) * cellHeight);
    glutSetWindow(window->windowId);
    processEvents();
    return window;
}

void processEvents()
{
    for (int round = 0; round < 5; ++round) glutMainLoopEvent();
}

std::array<int, 3> panelPixel(PanelWindow& window, int x, int y)
{
    processEvents();
    glutSetWindow(window.windowId);
    window.display();
    glFinish();
    unsigned char rgb[3] = {0, 0, 0};
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, window.height - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

int focusedControlsInProgram()
{
    int count = 0;
    for (const auto& window : panelManager.windows) count += countFocused(window->rootPanel);
    return count;
}
