// Long runs on every topology with the rules off and on and frequent disasters: the world stays
// finite and consistent, and the same seed grows the same world.
#include "simulationStep.h"
#include "world.h"
#include "worldHash.h"
#include "worldScenes.h"
#include "worldSettings.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <string>
#include <tuple>

namespace {

constexpr int longRunSteps = 2000;
constexpr std::uint32_t calendarSeed = 1733500000u;

// Every rule switched the other way from the program's start: pollution, human rules, lineages
// and self-mutation on, spread cost off.
void allRulesTurned(bool on)
{
    pollutionOn = on;
    humanRulesOn = on;
    lineageOn = on;
    ruleNoSelfMutation = !on;
    ruleSpreadCost = !on;
}

class LongRun : public testing::TestWithParam<std::tuple<int, bool>> {
protected:
    void TearDown() override
    {
        allRulesTurned(false);
        disasterRate = 0.0f;
        world = World{};
    }
};

TEST_P(LongRun, StaysFiniteAndConsistent)
{
    const auto [topology, rulesOn] = GetParam();
    allRulesTurned(rulesOn);
    disasterRate = 0.1f;
    growWorld(topology, calendarSeed, 0);

    double slowestStepMs = 0.0;
    for (int step = 1; step <= longRunSteps; ++step) {
        const auto start = std::chrono::steady_clock::now();
        simulationStep();
        slowestStepMs =
            std::max(slowestStepMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        ASSERT_EQ(getStepCount(), step);
    }

    int living = 0;
    latticeCursor cursor;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor)) {
        const Cell& cell = world.cells[index];
        for (int f = 0; f < cellFieldCount; ++f) ASSERT_TRUE(std::isfinite(cell.field[f])) << index << " field " << f;
        ASSERT_GE(cell.group.id, -1);
        ASSERT_LT(cell.group.id, world.nextGroupId);
        ASSERT_TRUE(std::isfinite(cell.group.center) && std::isfinite(cell.group.colour.red));
        ASSERT_GE(cell.parent, -1);
        ASSERT_LT(cell.parent, world.cellCount);
        living += cell.field[populationField] != 0.0f;
    }
    EXPECT_GT(living, 0) << "life survives";
    EXPECT_GT(world.nextGroupId, 0) << "groups were founded";
    EXPECT_LT(slowestStepMs, 250.0) << "no step stalls";
}

std::string runName(const testing::TestParamInfo<LongRun::ParamType>& info)
{
    const char* const names[] = {"Plane", "Disc", "Sphere"};
    return std::string(names[std::get<0>(info.param)]) + (std::get<1>(info.param) ? "RulesOn" : "RulesOff");
}

INSTANTIATE_TEST_SUITE_P(EveryTopology, LongRun,
                         testing::Combine(testing::Values(int{planeTopology}, int{discTopology}, int{sphereTopology}),
                                          testing::Bool()),
                         runName);

TEST(Determinism, SameSeedSameWorld)
{
    disasterRate = 0.1f;
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        growWorld(topology, calendarSeed, 300);
        const std::uint64_t first = worldHash();
        growWorld(topology, calendarSeed, 300);
        EXPECT_EQ(worldHash(), first) << "topology " << topology;
        growWorld(topology, calendarSeed + 1, 300);
        EXPECT_NE(worldHash(), first) << "topology " << topology;
        growWorld(topology, calendarSeed, 299);
        EXPECT_NE(worldHash(), first) << "one step short";
    }
    disasterRate = 0.0f;
    world = World{};
    EXPECT_EQ(worldHash(), 0u);
}

}  // namespace
