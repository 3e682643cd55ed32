// The Touch tools: painting a field, copying a culture, selecting a cell.
#include "worldActions.h"

#include "planeLattice.h"
#include "randomGenerator.h"
#include "renderMode.h"
#include "world.h"
#include "worldSettings.h"

#include <cmath>

namespace {

constexpr float paintBlend = 0.2f;

bool namesCell(int index)
{
    latticeCursor cursor;
    return index >= 0 && index < world.cellCount && world.currentLattice->locate(index, cursor);
}

// Moves field f of a cell a fifth of the way to the tool's target; v is the cell's distance share.
void paint(int index, int f, int tool, float v)
{
    float target = v;
    if (tool == paintWithOne) target = 1.0f - v;
    if (tool == paintNoise) target = u();
    float& value = world.cells[index].field[f];
    value += (target - value) * paintBlend;
}

// The plane's brush: every cell closer than radius of the grid's diagonal, and the touched cell,
// with the distance share growing from 0 at the centre.
void paintPlane(const planeLattice& plane, int cellIndex, int f, int tool, float radius)
{
    int x0 = 0;
    int y0 = 0;
    if (!plane.cellXY(cellIndex, &x0, &y0)) return;
    const float fullRadius =
        std::sqrt(static_cast<float>(plane.gridWidth * plane.gridWidth + plane.gridHeight * plane.gridHeight));
    for (int x = 0; x < plane.gridWidth; ++x)
        for (int y = 0; y < plane.gridHeight; ++y) {
            const float distance = std::sqrt(static_cast<float>((x - x0) * (x - x0) + (y - y0) * (y - y0)));
            const int index = x + plane.gridWidth * y;
            if (index == cellIndex || distance < fullRadius * radius) paint(index, f, tool, distance / fullRadius);
        }
}

void copySelectedCulture(int cellIndex)
{
    const Cell* selected = world.selectedCell;
    if (!selected || !namesCell(cellIndex)) return;
    Cell& target = world.cells[cellIndex];
    // The target keeps its ground, group, parent and birth step.
    for (int f = populationField; f < cellFieldCount; ++f) target.field[f] = selected->field[f];
}

}  // namespace

void touch(int cellIndex, int tool, float radius)
{
    if (!world.cells || !world.currentLattice) return;
    switch (tool) {
    case selectCellTool: selectCell(cellIndex); return;
    case copyCulture: copySelectedCulture(cellIndex); return;
    case paintWithOne:
    case paintWithZero:
    case paintNoise: break;
    default: return;
    }
    if (outerRenderMode < 0 || outerRenderMode >= renderModeCount) return;
    const int f = renderModeField[outerRenderMode];
    if (f == -1 || !namesCell(cellIndex)) return;
    if (const auto* plane = dynamic_cast<const planeLattice*>(world.currentLattice.get())) {
        paintPlane(*plane, cellIndex, f, tool, radius);
    } else {
        paint(cellIndex, f, tool, 0.0f);
    }
}
