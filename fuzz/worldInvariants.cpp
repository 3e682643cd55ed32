// The world's invariants, checked after every operation of the world scripts.
#include "worldInvariants.h"

#include "world.h"
#include "worldSettings.h"

#include <cmath>

namespace {
constexpr int realCells[topologyCount] = {6400, 4955, 8112};
}  // namespace

std::string checkWorldInvariants()
{
    if (!world.currentLattice || !world.cells)
        return world.selectedIndex != -1 || world.selectedCell ? "a selection in an empty world" : "";
    const lattice& cells = *world.currentLattice;
    latticeCursor cursor, check;
    int visited = 0;
    for (int index = cells.firstCell(cursor), last = -1; index != -1; last = index, index = cells.nextCell(cursor), ++visited) {
        if (index <= last || index >= world.cellCount) return "iteration left the index space or went back";
        if (!cells.locate(index, check)) return "iteration visited a hole";
        for (float value : world.cells[index].field)
            if (!std::isfinite(value)) return "a field is not finite";
    }
    if (visited != realCells[world.topology]) return "iteration did not visit exactly the real cells";
    if (world.selectedIndex == -1) return world.selectedCell ? "a selected cell without an index" : "";
    if (world.selectedIndex < 0 || world.selectedIndex >= world.cellCount || !cells.locate(world.selectedIndex, check))
        return "the selection is not a cell";
    return world.selectedCell != &world.cells[world.selectedIndex] ? "the selected cell is not the selected index's" : "";
}

void emptyWorld()
{
    world = World{};
    disasterRate = 0.0f;
    outerRenderMode = 0;
}
