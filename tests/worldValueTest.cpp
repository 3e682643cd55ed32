// Worlds as values: a copy is a second world that shares nothing it could change, and worlds side
// by side, in one thread or in several, each go exactly where they go alone.
#include "actionHistory.h"
#include "simulationStep.h"
#include "testWorlds.h"
#include "worldActions.h"
#include "worldHash.h"
#include "worldHistory.h"

#include <thread>
#include <utility>

namespace {

// Two busy worlds of different topologies and seeds: the rules on, disasters striking.
std::pair<World, World> twoWorlds()
{
    RuleSwitches busy;
    busy.pollution = busy.humanRules = busy.lineages = 1;
    std::pair<World, World> worlds{growWorld(planeTopology, calendarSeed, 0, busy), growWorld(sphereTopology, 7, 0)};
    worlds.first.disasterRate = worlds.second.disasterRate = 0.2f;
    return worlds;
}

std::uint64_t afterSteps(World world, int steps)
{
    for (int step = 0; step < steps; ++step) simulationStep(world);
    return worldHash(world) ^ world.random.state();
}

constexpr int steps = 150;

TEST(WorldValue, ACopyIsAnIndependentWorldThatGoesWhereTheOriginalGoes)
{
    World original = growWorld(discTopology, calendarSeed, 40);
    World copy = original;
    EXPECT_EQ(copy.currentLattice, original.currentLattice) << "the immutable lattice is shared";
    EXPECT_NE(copy.cells.data(), original.cells.data()) << "the cells are not";
    EXPECT_EQ(afterSteps(copy, steps), afterSteps(original, steps)) << "the generator is copied with the world";

    const std::uint64_t before = worldHash(original);
    const std::uint32_t drawn = original.random.state();
    killAll(copy);
    seedLife(copy, 50);
    copy.rules[0] = 1.0f;
    simulationStep(copy);
    EXPECT_EQ(worldHash(original), before) << "nothing done to the copy reaches the original";
    EXPECT_EQ(original.random.state(), drawn);
    EXPECT_EQ(original.rules[0], 0.0f);
}

// The reference is each world stepped alone; then both stepped turn about in this thread, and
// both at the same time in two threads of their own.
TEST(TwoWorlds, SideBySideOrInTwoThreadsEachEndsWhereItEndsAlone)
{
    const auto [plane, sphere] = twoWorlds();
    const std::uint64_t planeAlone = afterSteps(plane, steps), sphereAlone = afterSteps(sphere, steps);
    EXPECT_NE(planeAlone, sphereAlone);

    auto [planeTurns, sphereTurns] = twoWorlds();
    for (int step = 0; step < steps; ++step) {
        simulationStep(planeTurns);
        simulationStep(sphereTurns);
    }
    EXPECT_EQ(worldHash(planeTurns) ^ planeTurns.random.state(), planeAlone);
    EXPECT_EQ(worldHash(sphereTurns) ^ sphereTurns.random.state(), sphereAlone);

    std::uint64_t planeThreaded = 0, sphereThreaded = 0;
    std::thread planeThread([&planeThreaded, &plane = plane] { planeThreaded = afterSteps(plane, steps); });
    std::thread sphereThread([&sphereThreaded, &sphere = sphere] { sphereThreaded = afterSteps(sphere, steps); });
    planeThread.join();
    sphereThread.join();
    EXPECT_EQ(planeThreaded, planeAlone);
    EXPECT_EQ(sphereThreaded, sphereAlone);

    // New worlds made in two threads at once build nothing twice and clash over nothing.
    std::uint64_t madeThere = 0;
    std::thread maker([&madeThere] { madeThere = afterSteps(growWorld(discTopology, 3, 0), 10); });
    const std::uint64_t madeHere = afterSteps(growWorld(discTopology, 3, 0), 10);
    maker.join();
    EXPECT_EQ(madeThere, madeHere);
}

std::uint64_t fingerprint(const World& world) { return worldHash(world) ^ world.random.state(); }

// Every step back is the world that was there, a person's change included, and forward again ends
// on the world left; stepping on from the past drops the old future; the budget keeps the newest.
TEST(WorldHistory, BackAndForwardGoThroughTheWorldsThatWereThere)
{
    World world = growWorld(discTopology, calendarSeed, 0);
    world.disasterRate = 0.2f;
    WorldHistory history(std::size_t{64} << 20, 7);
    history.restart(world);
    std::vector<std::uint64_t> seen{fingerprint(world)};
    const auto step = [&] {
        simulationStep(world);
        history.stepped(world);
        seen.push_back(fingerprint(world));
    };
    for (int steps = 0; steps < 10; ++steps) step();
    seedLife(world, 20);
    history.changed(world);
    seen.back() = fingerprint(world);
    for (int steps = 0; steps < 12; ++steps) step();
    for (int present = 21; present >= 0; --present) {
        ASSERT_TRUE(history.back(world));
        EXPECT_EQ(fingerprint(world), seen[present]) << present;
    }
    EXPECT_FALSE(history.back(world)) << "nothing before the start";
    for (int present = 1; present <= 22; ++present) {
        ASSERT_TRUE(history.forward(world));
        EXPECT_EQ(fingerprint(world), seen[present]) << present;
    }
    EXPECT_FALSE(history.forward(world)) << "the newest world";

    for (int back = 0; back < 5; ++back) history.back(world);
    step();
    EXPECT_EQ(history.newest(), 18) << "stepping on from the past drops the old future";
    EXPECT_FALSE(history.forward(world));
    history.setBudget(3 * worldBytes(world));
    EXPECT_EQ(history.oldest(), 7) << "three keyframes kept (7, the change at 10, 14): the oldest goes first";
}

TEST(ActionHistory, UndoRestoresTheWorldBeforeEachActionAndRedoTheWorldUndoneFrom)
{
    World world = growWorld(planeTopology, 3, 20);
    ActionHistory actions;
    std::vector<std::uint64_t> before;
    for (int action = 0; action < 25; ++action) {
        before.push_back(fingerprint(world));
        actions.begin(world);
        seedLife(world, 3);
        simulationStep(world);
    }
    const std::uint64_t last = fingerprint(world);
    for (int action = 24; action >= 0; --action) {
        ASSERT_TRUE(actions.undo(world));
        EXPECT_EQ(fingerprint(world), before[action]) << "steps included";
    }
    EXPECT_FALSE(actions.undo(world));
    while (actions.redo(world)) continue;
    EXPECT_EQ(fingerprint(world), last);
    actions.trim(0);
    EXPECT_EQ(actions.undoable(), ActionHistory::keptActions);
    actions.undo(world);
    actions.begin(world);
    EXPECT_EQ(actions.redoable(), 0u) << "a new action ends what could be redone";
}

}  // namespace
