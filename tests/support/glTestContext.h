// GL contexts for tests: a window to draw in, the capture of what drawing code emits, and panel
// windows read back.
#pragma once

#include "panelToolkit.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

// Initialises GLUT once for the test program.
void initialiseGlut();
// Opens (once per process) a double-buffered RGB window with depth of the given size and makes it current.
void useTestWindow(int width, int height);

using FeedbackVertex = std::array<float, 3>;
// One primitive as GL feedback mode reports it, with its vertices in object coordinates.
struct FeedbackPrimitive {
    enum Kind { point, line, polygon } kind;
    std::vector<FeedbackVertex> vertices;
};

// Runs draw with a projection that maps object coordinates within +-128 one to one onto window
// coordinates, and returns the primitives it emitted. Leaves the matrices as they were.
std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw);

// Mesa's feedback reports a quad (v0, v1, v2, v3) as the triangles (v0, v1, v3) and (v1, v2, v3).
// The quads of a capture that drew nothing but quads, each in drawing order; empty otherwise.
std::vector<std::array<FeedbackVertex, 4>> feedbackQuads(const std::vector<FeedbackPrimitive>& primitives);

// A new panel window placed where no other test window lies, made current.
PanelWindow* freshPanelWindow(const std::string& title);
// Processes the window system's pending events (reshapes, exposures, posted redisplays).
void processEvents();
// The window's front buffer, RGB rows from the bottom: after a full redraw, or as the controls left it.
std::vector<unsigned char> panelPicture(PanelWindow& window, bool redraw = true);
