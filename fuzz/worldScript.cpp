// World operations from bytes.
#include "byteReader.h"
#include "environment.h"
#include "fuzzScripts.h"
#include "randomGenerator.h"
#include "simulationStep.h"
#include "world.h"
#include "worldActions.h"
#include "worldHash.h"
#include "worldInvariants.h"
#include "worldSettings.h"

namespace {

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

// One read per statement where a call takes several: the fuzzer (clang) and the tests (g++) must agree.
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
    default: {  // a group on a cell, so that group edits find members
        const int cell = bytes.index(world.cellCount);
        if (cell >= 0 && cell < world.cellCount) world.cells[cell].group.id = bytes.small(0, 5);
        break;
    }
    }
}

}  // namespace

std::string runWorldScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state, int operations)
{
    ByteReader bytes(data, size);
    emptyWorld();
    generator::seed(bytes.int32());
    setTopology(bytes.small(0, 3));
    feedRules();
    std::string broken = checkWorldInvariants();
    for (int operation = 0; broken.empty() && operation < operations && !bytes.done(); ++operation) {
        runOperation(bytes);
        broken = checkWorldInvariants();
    }
    if (state) *state = worldHash() ^ (std::uint64_t{generator::state()} << 20) ^ static_cast<std::uint32_t>(world.selectedIndex);
    emptyWorld();
    return broken;
}
