// Saving the world when the program is closed, so that a session is never lost.
#pragma once

#include <string>

// Why the world could not be saved to path when the program ends, found at start before any
// window opens: a missing directory, a directory in its place, a place that takes no new file.
// Empty when it could be.
std::string saveOnExitProblem(const std::string& path);

// Saves the world to path (nothing when path is empty). When that fails, says why on standard
// error, writes the world to a rescue file in the working directory, or else in the temporary
// directory, and prints its path. False when the world did not go to path.
bool saveOnExit(const std::string& path);
