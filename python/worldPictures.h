// The window's picture of a world, drawn without a display by the lab's offscreen renderer.
#pragma once

#include "pngFile.h"
#include "world.h"

// The picture quillmoss-lab's snapshots show of the world with these Outer and Inner render modes:
// the window's size, the camera at rest, no selection. The process's one offscreen context is made
// on first use and taken by one thread at a time; a forked child draws with it too. An empty
// picture (width 0), with the reason in problem, when no offscreen OpenGL is to be had.
Picture worldPicture(const World& world, int outerMode, int innerMode, std::string& problem);
