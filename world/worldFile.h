// Saving the whole state of a run to a file and loading it back, so that a run stopped and
// continued later gives exactly the results it would have given without the stop.
// docs/world-file.md describes the file.
#pragma once

#include "world.h"

#include <cstdint>
#include <string>
#include <vector>

// The newest version of the file, which records the lattice's size: what this program writes for a
// world of any but the default size (that one is still written as version 1, which it also reads).
inline constexpr std::uint32_t worldFileVersion = 2;

// Writes the world, its generator state, disaster rate and spareParent to path. The bytes go to a
// new file beside it that is then renamed over path, so path holds either its old content or the
// whole new file. False with one sentence in error, naming path, when the world is empty or the
// file cannot be written.
bool saveWorld(const World& world, const std::string& path, std::string& error);

// Why a world file could not be written to path now: path is a directory or another kind of file
// than a regular one, or its directory takes no new file. Empty when it could; nothing is left behind.
std::string worldFileWriteProblem(const std::string& path);

// The world saved in the file, its generator state, disaster rate and spareParent included, with
// error empty; lastStepTime is 0, since a time on another process's clock means nothing here. An
// empty world, with one sentence in error naming path, when the file cannot be read or is not a
// sound world file of this version.
World loadWorld(const std::string& path, std::string& error);

// The bytes saveWorld writes, for a world that travels in memory (a copy sent to another process);
// none for an empty world.
std::vector<unsigned char> worldFileBytes(const World& world);

// The world a world file's bytes hold, with error empty; an empty world, with one sentence in
// error, when they are not a sound world file of this version. The same checks and sentences as
// loadWorld, without the path.
World worldFromFileBytes(const std::vector<unsigned char>& bytes, std::string& error);
