// Limiting a value to 0..1.
#pragma once

// x >= 1 gives 1, x < 0 gives 0; a NaN gives 0, so no NaN passes a clamp into a cell.
inline float clamp01(float x)
{
    if (x >= 1.0f) return 1.0f;
    if (x >= 0.0f) return x;
    return 0.0f;
}
