// The selected cell of a view and the panel's access to its fields.
#include "world.h"

#include "clamp01.h"

namespace {
bool isCellField(int f) { return f >= 0 && f < cellFieldCount; }
}  // namespace

int selectableCell(const World& world, int index)
{
    latticeCursor cursor;
    if (world.empty() || index < 0 || index >= world.cellCount || !world.currentLattice->locate(index, cursor)) return -1;
    return index;
}

const Cell* selectedCell(const World& world, int selected)
{
    return selectableCell(world, selected) == -1 ? nullptr : &world.cells[selected];
}

Cell* selectedCell(World& world, int selected)
{
    return selectableCell(world, selected) == -1 ? nullptr : &world.cells[selected];
}

float getSelectedField(const World& world, int selected, int f)
{
    const Cell* cell = selectedCell(world, selected);
    if (!cell || !isCellField(f)) return 0.0f;
    return cell->field[f];
}

void setSelectedField(World& world, int selected, int f, float v)
{
    Cell* cell = selectedCell(world, selected);
    if (!cell || !isCellField(f)) return;
    cell->field[f] = clamp01(v);
}
