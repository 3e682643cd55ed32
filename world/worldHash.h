// A fingerprint of the world, so that "same seed, same world" is one comparison.
#pragma once

#include <cstdint>

struct World;

// Hashes every real cell's fields, group and family links, with the step count, the group
// counter and the topology. 0 for an empty world.
std::uint64_t worldHash(const World& world);
