// The colour rules of the render modes.
#pragma once

#include "colour.h"

// Black at 0, blue at 0.5, white at 1: the ground's ramp (Environment, Phenotype, Group Strength).
Colour environmentRamp(float value);
