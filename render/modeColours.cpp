// Turning cell values into colours.
#include "modeColours.h"

Colour environmentRamp(float value)
{
    if (value < 0.5f) return lerpColour(noGroupColour, colourBlue, 2.0f * value);
    return lerpColour(colourBlue, colourWhite, 2.0f * (value - 0.5f));
}
