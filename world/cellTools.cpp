// The Touch tools: painting a field, copying a culture, selecting a cell.
#include "worldActions.h"

#include "planeLattice.h"
#include "renderMode.h"
#include "world.h"

#include <cmath>

namespace {

constexpr float paintBlend = 0.2f;

bool namesCell(const World& world, int index)
{
    latticeCursor cursor;
    return index >= 0 && index < world.cellCount && world.currentLattice->locate(index, cursor);
}

// Moves field f of a cell a fifth of the way to the tool's target; v is the cell's distance share.
void paint(World& world, int index, int f, int tool, float v)
{
    float target = v;
    if (tool == paintWithOne) target = 1.0f - v;
    if (tool == paintNoise) target = world.random.u();
    float& value = world.cells[index].field[f];
    value += (target - value) * paintBlend;
}

// The plane's brush: every cell closer than radius of the grid's diagonal, and the touched cell,
// with the distance share growing from 0 at the centre.
void paintPlane(World& world, const planeLattice& plane, int cellIndex, int f, int tool, float radius)
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
            if (index == cellIndex || distance < fullRadius * radius) paint(world, index, f, tool, distance / fullRadius);
        }
}

void copySelectedCulture(World& world, int selectedIndex, int cellIndex)
{
    const Cell* selected = selectedCell(world, selectedIndex);
    if (!selected || !namesCell(world, cellIndex)) return;
    Cell& target = world.cells[cellIndex];
    // The target keeps its ground, group, parent and birth step.
    for (int f = populationField; f < cellFieldCount; ++f) target.field[f] = selected->field[f];
}

}  // namespace

void touch(World& world, const TouchView& view, int cellIndex, int tool, float radius)
{
    if (world.empty()) return;
    switch (tool) {
    case selectCellTool: view.selected = selectableCell(world, cellIndex); return;
    case copyCulture: copySelectedCulture(world, view.selected, cellIndex); return;
    case paintWithOne:
    case paintWithZero:
    case paintNoise: break;
    default: return;
    }
    if (view.paintedMode < 0 || view.paintedMode >= renderModeCount) return;
    const int f = renderModeField[view.paintedMode];
    if (f == -1 || !namesCell(world, cellIndex)) return;
    if (const auto* plane = dynamic_cast<const planeLattice*>(world.currentLattice.get())) {
        paintPlane(world, *plane, cellIndex, f, tool, radius);
    } else {
        paint(world, cellIndex, f, tool, 0.0f);
    }
}
