// World operations from bytes.
#include "worldScript.h"

#include "byteReader.h"
#include "environment.h"
#include "planeLattice.h"
#include "randomGenerator.h"
#include "simulationStep.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
#include "world.h"
#include "worldActions.h"
#include "worldSettings.h"

#include <cmath>

namespace {

constexpr int maxOperations = 24;

// The real cells each topology has.
int expectedCells()
{
    if (dynamic_cast<const planeLattice*>(world.currentLattice.get())) return 6400;
    if (dynamic_cast<const spiralLattice*>(world.currentLattice.get())) return 4955;
    if (dynamic_cast<const sphereLattice*>(world.currentLattice.get())) return 8112;
    return -1;
}

Group anyGroup(ByteReader& bytes)
{
    Group group;
    group.id = bytes.byte() % 2 ? bytes.small(-1, 6) : bytes.int32();
    group.field = bytes.small(-3, 18);
    group.center = bytes.someFloat();
    group.deviation = bytes.someFloat();
    group.colour = Colour{bytes.someFloat(), bytes.someFloat(), bytes.someFloat()};
    return group;
}

void runOperation(ByteReader& bytes)
{
    switch (bytes.byte() % 14) {
    case 0: setTopology(bytes.byte() % 8 ? bytes.small(-1, 5) : bytes.int32()); break;
    case 1: simulationStep(); break;
    case 2: seedLife(bytes.small(-3, 12)); break;
    case 3: killAll(); break;
    case 4: {
        const int cell = bytes.index(world.cellCount);
        const int tool = bytes.small(-2, 8);
        touch(cell, tool, bytes.someFloat());
        break;
    }
    case 5: selectCell(bytes.index(world.cellCount)); break;
    case 6: {
        const int field = bytes.small(-2, 16);
        setSelectedField(field, bytes.someFloat());
        break;
    }
    case 7: {
        const int id = bytes.byte() % 2 ? bytes.small(-1, 6) : bytes.int32();
        const int field = bytes.small(-2, 16);
        setGroupField(id, field, bytes.someFloat());
        break;
    }
    case 8: applyGroup(anyGroup(bytes)); break;
    case 9: generateEnvironment(); break;
    case 10: {
        const int slot = bytes.small(-2, 12);
        setRule(slot, bytes.someFloat());
        break;
    }
    case 11: disasterRate = bytes.someFloat(); break;
    case 12: outerRenderMode = bytes.small(-2, 18); break;
    default: {
        // A group on a cell, so that group edits find members.
        const int cell = bytes.index(world.cellCount);
        if (cell >= 0 && cell < world.cellCount) world.cells[cell].group.id = bytes.small(0, 5);
        break;
    }
    }
}

}  // namespace

std::string checkWorldInvariants()
{
    if (!world.currentLattice || !world.cells) {
        if (world.selectedIndex != -1 || world.selectedCell) return "a selection in an empty world";
        return {};
    }
    const lattice& cells = *world.currentLattice;
    latticeCursor cursor;
    int visited = 0;
    int last = -1;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
        if (index <= last || index >= world.cellCount) return "iteration left the index space or went back";
        latticeCursor check;
        if (!cells.locate(index, check)) return "iteration visited a hole";
        for (float value : world.cells[index].field)
            if (!std::isfinite(value)) return "a field is not finite";
        last = index;
        ++visited;
    }
    if (visited != expectedCells()) return "iteration did not visit exactly the real cells";
    if (world.selectedIndex == -1) return world.selectedCell ? "a selected cell without an index" : "";
    latticeCursor check;
    if (world.selectedIndex < 0 || world.selectedIndex >= world.cellCount || !cells.locate(world.selectedIndex, check))
        return "the selection is not a cell";
    if (world.selectedCell != &world.cells[world.selectedIndex]) return "the selected cell is not the selected index's";
    return {};
}

std::string runWorldScript(const std::uint8_t* data, std::size_t size)
{
    ByteReader bytes(data, size);
    world = World{};
    disasterRate = 0.0f;
    outerRenderMode = 0;
    generator::seed(bytes.int32());
    setTopology(bytes.small(0, 3));
    feedRules();
    std::string broken = checkWorldInvariants();
    for (int operation = 0; broken.empty() && operation < maxOperations && !bytes.done(); ++operation) {
        runOperation(bytes);
        broken = checkWorldInvariants();
    }
    world = World{};
    disasterRate = 0.0f;
    outerRenderMode = 0;
    return broken;
}
