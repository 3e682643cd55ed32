// Saving the whole state of a run to a file and loading it back, so that a run stopped and
// continued later gives exactly the results it would have given without the stop.
// docs/world-file.md describes the file.
#pragma once

#include <cstdint>
#include <string>

// The version of the file this program writes, and the only one it reads.
inline constexpr std::uint32_t worldFileVersion = 1;

// Writes the world, the generator state, disasterRate and spareParent to path. The bytes go to a
// new file beside it that is then renamed over path, so path holds either its old content or the
// whole new file. False with one sentence in error, naming path, when the world is empty or the
// file cannot be written.
bool saveWorld(const std::string& path, std::string& error);

// Why a world file could not be written to path now: path is a directory or another kind of file
// than a regular one, or its directory takes no new file. Empty when it could; nothing is left behind.
std::string worldFileWriteProblem(const std::string& path);

// Replaces the world, the generator state, disasterRate and spareParent with the file's, and
// clears the selection. False with one sentence in error, naming path, when the file cannot be
// read or is not a sound world file of this version; nothing in the process changes then.
bool loadWorld(const std::string& path, std::string& error);
