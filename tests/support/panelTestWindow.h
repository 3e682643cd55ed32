// Panel windows for the toolkit's tests: made fresh, current, and readable pixel by pixel.
#pragma once

#include "glTestContext.h"
#include "panelDrawing.h"
#include "panelToolkit.h"

#include <array>
#include <string>

// A new panel window placed where no other test window lies, made current.
PanelWindow* freshPanelWindow(const std::string& title);

// Processes the window system's pending events (reshapes, exposures, posted redisplays).
void processEvents();

// The window's full redraw, then its pixel at panel point (x, y) (y down), read from the front buffer.
std::array<int, 3> panelPixel(PanelWindow& window, int x, int y);

// Every control of the window that has the focus, over all panel windows of the program.
int focusedControlsInProgram();
