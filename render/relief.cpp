// Heights of the cells in a relief.
#include "relief.h"

#include "renderMode.h"

namespace {
constexpr float reliefRange = 12.0f;
}  // namespace

reliefScale reliefOf(int heightMode, float elevation)
{
    const int field = heightMode >= 0 && heightMode < renderModeCount ? renderModeField[heightMode] : -1;
    if (field == -1) return {environmentField, 0.0f};
    return {field, elevation * reliefRange};
}

float cellHeight(const Cell& cell, const reliefScale& relief, float lift)
{
    return (cell.field[relief.field] - 0.5f) * relief.scale + lift;
}
