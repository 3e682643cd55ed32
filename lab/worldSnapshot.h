// Pictures of the world as the world window shows them, drawn by the program's own renderer.
#pragma once

#include "pngFile.h"

#include <string>

// The world window's size.
inline constexpr int snapshotSize = 740;

// Draws the current world with the current render settings and camera into the current GL
// context (its whole viewport) and reads the picture back, rows from the top.
Picture drawSnapshot();

// The snapshot's file in a directory: world-000100.png for step 100.
std::string snapshotPath(const std::string& directory, int step);
