// The program clock: float seconds since start. The world and the renderer read no clock: the
// frame loop stamps each step and gives each picture its time.
#pragma once

#include <cstdint>

// A millisecond counter that wraps at 2^32, like the system timer the clock stands on.
using MillisecondSource = std::uint32_t (*)();

// Installs the counter the clock reads (the platform's timer, or a test's). Installing a counter
// forgets the clock's origin, so the next startClock records a new one. Until one is installed
// the counter reads 0 and the clock stands still.
void setMillisecondSource(MillisecondSource source);

// The first call records the counter as the origin; later calls change nothing.
void startClock();

// Seconds since the origin: the 32-bit difference of the counter readings, times 0.001.
float elapsedSeconds();

// 0 until start, rising linearly to 1 at start + duration, 1 afterwards. Always in 0..1.
float rampSince(float start, float duration);
