// The program clock and its periodic functions.
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

float clockSawtooth(float shift, float period)
{
    const float sinceShift = elapsedSeconds() - shift;
    const float reciprocal = 1.0f / period;
    return (sinceShift - std::floor(sinceShift * reciprocal) * period) * reciprocal;
}

float clockTriangle(float shift, float period)
{
    const float rising = clockSawtooth(shift, period);
    return rising < 0.5f ? 2.0f * rising : 2.0f * (1.0f - rising);
}
