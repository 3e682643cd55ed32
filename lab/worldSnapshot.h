// Pictures of the world as the world window shows them, drawn by the program's own renderer.
#pragma once

#include "pngFile.h"

#include <string>

struct View;
struct World;

// The world window's size.
inline constexpr int snapshotSize = 740;

// Draws the world as the view shows it into the current GL context (its whole viewport) and reads
// the picture back, rows from the top.
Picture drawSnapshot(const World& world, View& view);

// The snapshot's file in a directory: world-000100.png for step 100.
std::string snapshotPath(const std::string& directory, int step);
