// GL contexts for tests: a window to draw in, and panel windows read back.
#pragma once

#include "panelToolkit.h"

#include <string>
#include <vector>

// Initialises GLUT once for the test program.
void initialiseGlut();
// Opens (once per process) a double-buffered RGB window with depth of the given size and makes it current.
void useTestWindow(int width, int height);

// A new panel window placed where no other test window lies, made current.
PanelWindow* freshPanelWindow(const std::string& title);
// Processes the window system's pending events (reshapes, exposures, posted redisplays).
void processEvents();
// The window's front buffer, RGB rows from the bottom: after a full redraw, or as the controls left it.
std::vector<unsigned char> panelPicture(PanelWindow& window, bool redraw = true);
