// The colour rules of the render modes.
#pragma once

#include "cell.h"
#include "colour.h"

// Black at 0, blue at 0.5, white at 1: the ground's ramp (Environment, Phenotype, Group Strength).
Colour environmentRamp(float value);

// The colour a tile of the cell takes in a tile mode (every mode but Geneology and None); false
// when the mode leaves the cell out: every mode but Environment shows living cells only.
bool tileColour(int mode, const Cell& cell, Colour& out);

// Geneology's colour of a cell at a time in seconds: from yellow to magenta and back once every
// 1.5 seconds, cells of different Technology out of phase.
Colour lineageColour(const Cell& cell, float seconds);
