// A GL context for tests, and the capture of what drawing code emits.
#pragma once

#include <array>
#include <functional>
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

// Runs draw with a projection that maps object coordinates within +-captureExtent one to one onto
// window coordinates, and returns the primitives it emitted. Leaves the matrices as it found them.
inline constexpr float captureExtent = 128.0f;
std::vector<FeedbackPrimitive> captureFeedback(const std::function<void()>& draw);

// Mesa's feedback reports a quad (v0, v1, v2, v3) as the triangles (v0, v1, v3) and (v1, v2, v3).
// Puts the four corners back in drawing order; empty when the primitives are not one such quad.
std::vector<FeedbackVertex> feedbackQuad(const std::vector<FeedbackPrimitive>& primitives);

// The quads of a capture that drew nothing but quads, each in drawing order; empty when it drew anything else.
std::vector<std::vector<FeedbackVertex>> feedbackQuads(const std::vector<FeedbackPrimitive>& primitives);
