// The selected cell and the panel's access to its fields.
#include "world.h"

#include "clamp01.h"

void selectCell(int index)
{
    world.selectedIndex = -1;
    world.selectedCell = nullptr;
    if (!world.currentLattice) return;
    if (!world.currentLattice->locate(index, world.selectedCoord)) return;
    world.selectedIndex = index;
    if (world.cells) world.selectedCell = &world.cells[index];
}

int getSelectedIndex() { return world.selectedIndex; }

Cell* getSelectedCell() { return world.selectedCell; }

namespace {
bool isCellField(int f) { return f >= 0 && f < cellFieldCount; }
}  // namespace

float getSelectedField(int f)
{
    if (!world.selectedCell || !isCellField(f)) return 0.0f;
    return world.selectedCell->field[f];
}

void setSelectedField(int f, float v)
{
    if (!world.selectedCell || !isCellField(f)) return;
    world.selectedCell->field[f] = clamp01(v);
}
