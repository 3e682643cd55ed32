// The program clock: the one clock of the desktop program, which its frames and the brush read.
#include "programClock.h"

#include <cmath>

namespace {
MillisecondSource millisecondSource = nullptr;
std::uint32_t clockOrigin = 0;
bool clockStarted = false;

std::uint32_t readCounter() { return millisecondSource ? millisecondSource() : 0u; }
}  // namespace

void setMillisecondSource(MillisecondSource source)
{
    millisecondSource = source;
    clockOrigin = 0;
    clockStarted = false;
}

void startClock()
{
    if (clockStarted) return;
    clockOrigin = readCounter();
    clockStarted = true;
}

float elapsedSeconds()
{
    // Unsigned subtraction keeps the difference right across the counter's wrap-around.
    const std::uint32_t milliseconds = readCounter() - clockOrigin;
    return static_cast<float>(milliseconds) * 0.001f;
}

float rampSince(float start, float duration)
{
    const float now = elapsedSeconds();
    if (now < start) return 0.0f;
    if (now > start + duration) return 1.0f;
    if (now == start) return 0.0f;
    return (now - start) / duration;
}
