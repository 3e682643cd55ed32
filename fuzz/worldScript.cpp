// World operations from bytes.
#include "byteReader.h"
#include "environment.h"
#include "fuzzScripts.h"
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

// The world a script works on, and what a window's view of it keeps: the selection and the Outer mode.
struct scriptedWorld {
    World world;
    int selected = -1;
    int paintedMode = 0;
};

// A view lets go of its selection when the world's lattice is replaced, as the window does.
void changeTopology(scriptedWorld& scripted, int topology)
{
    if (setTopology(scripted.world, topology) != -1) scripted.selected = -1;
}

// One read per statement where a call takes several: the fuzzer (clang) and the tests (g++) must agree.
void runOperation(ByteReader& bytes, scriptedWorld& scripted)
{
    World& world = scripted.world;
    switch (bytes.byte() % 14) {
    case 0: changeTopology(scripted, bytes.byte() % 8 ? bytes.small(-1, 5) : bytes.int32()); break;
    case 1: simulationStep(world); break;
    case 2: seedLife(world, bytes.small(-3, 12)); break;
    case 3: killAll(world); break;
    case 4: {
        const int cell = bytes.index(world.cellCount);
        const int tool = bytes.small(-2, 8);
        touch(world, TouchView{scripted.selected, scripted.paintedMode}, cell, tool, bytes.someFloat());
        break;
    }
    case 5: scripted.selected = selectableCell(world, bytes.index(world.cellCount)); break;
    case 6: {
        const int field = bytes.small(-2, 16);
        setSelectedField(world, scripted.selected, field, bytes.someFloat());
        break;
    }
    case 7: {
        const int id = bytes.byte() % 2 ? bytes.small(-1, 6) : bytes.int32();
        const int field = bytes.small(-2, 16);
        setGroupField(world, id, field, bytes.someFloat());
        break;
    }
    case 8: applyGroup(world, anyGroup(bytes)); break;
    case 9: generateEnvironment(world); break;
    case 10: {
        const int slot = bytes.small(-2, 12);
        setRule(world, slot, bytes.someFloat());
        break;
    }
    case 11: world.disasterRate = bytes.someFloat(); break;
    case 12: scripted.paintedMode = bytes.small(-2, 18); break;
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
    scriptedWorld scripted;
    World& world = scripted.world;
    world.random.seed(bytes.int32());
    setTopology(world, bytes.small(0, 3));
    feedRules(world);
    std::string broken = checkWorldInvariants(world, scripted.selected);
    for (int operation = 0; broken.empty() && operation < operations && !bytes.done(); ++operation) {
        runOperation(bytes, scripted);
        broken = checkWorldInvariants(world, scripted.selected);
    }
    if (state)
        *state = worldHash(world) ^ (std::uint64_t{world.random.state()} << 20) ^ static_cast<std::uint32_t>(scripted.selected);
    return broken;
}
