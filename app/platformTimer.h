// The platform's millisecond timer.
#pragma once

#include <cstdint>

// A monotonic millisecond counter that wraps at 2^32, as the system timer does.
std::uint32_t platformMilliseconds();
