// Turning cell values into colours.
#include "modeColours.h"

#include "clockWaves.h"
#include "renderMode.h"

#include <cmath>

namespace {
constexpr float lineagePeriod = 1.5f;

// White toward red as the value rises: (1, 1 - v, 1 - v).
Colour whiteToRed(float value) { return lerpColour(colourWhite, colourRed, value); }
}  // namespace

Colour environmentRamp(float value)
{
    if (value < 0.5f) return lerpColour(noGroupColour, colourBlue, 2.0f * value);
    return lerpColour(colourBlue, colourWhite, 2.0f * (value - 0.5f));
}

bool tileColour(int mode, const Cell& cell, Colour& out)
{
    const float* f = cell.field;
    if (mode == environmentMode) {
        out = environmentRamp(f[environmentField]);
        return true;
    }
    if (!(f[populationField] > 0.0f)) return false;
    switch (mode) {
    case phenotypeMode: out = environmentRamp(f[phenotypeField]); return true;
    case fitnessMapMode: {
        const float fit = 1.0f - std::fabs(f[environmentField] - f[phenotypeField]);
        out = lerpColour(noGroupColour, colourGreen, fit * fit);
        return true;
    }
    case populationMode: out = lerpColour(noGroupColour, colourGreen, f[populationField]); return true;
    case cultureMode: out = Colour{f[cultureRedField], f[cultureGreenField], f[cultureBlueField]}; return true;
    case metabolismMode:
    case spreadMode:
    case terraformMode:
    case assimilationMode:
    case technologyMode: out = whiteToRed(f[renderModeField[mode]]); return true;
    case groupsMode: out = cell.group.colour; return true;
    case groupStrengthMode: out = environmentRamp(f[groupMembershipField]); return true;
    default: return false;
    }
}

Colour lineageColour(const Cell& cell, float seconds)
{
    float phase = (1.0f - cell.field[technologyField]) - sawtoothAt(seconds, 0.0f, lineagePeriod);
    if (phase < 0.0f) phase += 1.0f;
    return lerpColour(colourYellow, colourMagenta, 1.0f - phase);
}
