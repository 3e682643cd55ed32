// The relief the tiles are lifted into.
#pragma once

#include "cell.h"

// The relief of a layer: the height of a cell is (field - 0.5) * scale + lift, where the field is
// the one the height mode stands for, and scale is elevation * 12. A height mode without a field
// (or outside the modes) lays the tiles flat at the lift.
struct reliefScale {
    int field;
    float scale;
};
reliefScale reliefOf(int heightMode, float elevation);
float cellHeight(const Cell& cell, const reliefScale& relief, float lift);
