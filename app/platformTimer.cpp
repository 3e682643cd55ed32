// The millisecond timer, read from the monotonic system clock.
#include "platformTimer.h"

#include <ctime>

std::uint32_t platformMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const std::uint64_t milliseconds =
        static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    // Keeping the low 32 bits gives the counter the timer's wrap-around.
    return static_cast<std::uint32_t>(milliseconds);
}
