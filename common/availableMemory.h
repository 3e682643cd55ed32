// How much memory this machine can give a new allocation now.
#pragma once

#include <cstdint>

// MemAvailable of /proc/meminfo in bytes: what can be allocated without swapping out; when that
// cannot be read, the free physical pages. 0 when neither can be read.
std::uint64_t availableMemoryBytes();
