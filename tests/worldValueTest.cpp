// Worlds as values: a copy is a second world that shares nothing it could change, and worlds side
// by side, in one thread or in several, each go exactly where they go alone.
#include "simulationStep.h"
#include "testWorlds.h"
#include "worldActions.h"
#include "worldHash.h"

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

}  // namespace
