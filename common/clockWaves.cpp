// The sawtooth and triangle waves.
#include "clockWaves.h"

#include <cmath>

float sawtoothAt(float seconds, float shift, float period)
{
    const float sinceShift = seconds - shift;
    const float reciprocal = 1.0f / period;
    return (sinceShift - std::floor(sinceShift * reciprocal) * period) * reciprocal;
}

float triangleAt(float seconds, float shift, float period)
{
    const float rising = sawtoothAt(seconds, shift, period);
    return rising < 0.5f ? 2.0f * rising : 2.0f * (1.0f - rising);
}
