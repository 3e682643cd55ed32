// Editing a whole group from the panel, and reading the selected cell's group.
#include "worldActions.h"

#include "world.h"

#include <cmath>

void setGroupField(World& world, int groupId, int f, float value)
{
    if (world.empty() || groupId == -1) return;
    if (f < 0 || f >= cellFieldCount || !std::isfinite(value)) return;
    for (int index = 0; index < world.cellCount; ++index)
        if (world.cells[index].group.id == groupId) world.cells[index].field[f] = value;
}

void applyGroup(World& world, const Group& g)
{
    if (world.empty() || g.id == -1) return;
    latticeCursor cursor;
    for (int cell = world.currentLattice->firstCell(cursor); cell != -1; cell = world.currentLattice->nextCell(cursor)) {
        Cell& member = world.cells[cell];
        // Members without life keep their old copy.
        if (member.field[populationField] != 0.0f && member.group.id == g.id) member.group = g;
    }
}

bool getSelectedGroup(const World& world, int selectedIndex, Group& out)
{
    const Cell* selected = selectedCell(world, selectedIndex);
    if (selected && selected->field[populationField] > 0.0f && selected->group.id != -1) {
        out = selected->group;
        return true;
    }
    out = Group{-1, -1, 0.0f, 0.0f, noGroupColour};
    return false;
}
