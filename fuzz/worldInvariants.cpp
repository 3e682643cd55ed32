// The world's invariants, checked after every operation of the world scripts.
#include "worldInvariants.h"

#include "world.h"

#include <cmath>

namespace {
constexpr int realCells[topologyCount] = {6400, 4955, 8112};
}  // namespace

std::string checkWorldInvariants(const World& world, int selected)
{
    if (world.empty()) return selected != -1 ? "a selection in an empty world" : "";
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
    if (selected == -1) return "";
    if (selected < 0 || selected >= world.cellCount || !cells.locate(selected, check)) return "the selection is not a cell";
    return selectedCell(world, selected) != &world.cells[selected] ? "the selected cell is not the selected index's" : "";
}
