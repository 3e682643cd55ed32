// The soak: every topology for a long run at the harshest settings, with random touches and
// switches of topology on the way, the world's invariants checked throughout. Run by make soak
// under the sanitizers; too long for the default test run.
#include "randomGenerator.h"
#include "simulationStep.h"
#include "world.h"
#include "worldActions.h"
#include "worldScenes.h"
#include "worldScript.h"
#include "worldSettings.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr int soakSteps = 20000;
// How often the invariants are checked, a touch lands and the topology may switch away and back.
constexpr int checkEvery = 50;
constexpr int touchesPerCheck = 4;
constexpr int switchEvery = 2500;
constexpr std::uint32_t soakSeed = 20261206u;

void allRulesOn()
{
    for (int slot = 0; slot < ruleSlotCount; ++slot) setRule(slot, 1.0f);
}

class Soak : public testing::TestWithParam<int> {
protected:
    void TearDown() override
    {
        disasterRate = 0.0f;
        world = World{};
    }
};

TEST_P(Soak, HarshLongRunKeepsTheWorldSound)
{
    const int topology = GetParam();
    // The touches' own draws, apart from the world's generator, so the run stays the world's.
    std::mt19937 touches(soakSeed + topology);
    disasterRate = 1.0f;
    growWorld(topology, soakSeed, 0);
    allRulesOn();
    seedLife(40);

    int switches = 0;
    for (int step = 1; step <= soakSteps; ++step) {
        simulationStep();
        if (step % checkEvery != 0) continue;
        for (int t = 0; t < touchesPerCheck; ++t) {
            const int cell = static_cast<int>(touches() % (world.cellCount + 2)) - 1;
            const int tool = static_cast<int>(touches() % 5);
            touch(cell, tool, std::uniform_real_distribution<float>(0.0f, 1.0f)(touches));
        }
        if (step % switchEvery == 0) {
            setTopology((topology + 1) % 3);
            ASSERT_EQ(checkWorldInvariants(), "") << "after switching away at step " << step;
            setTopology(topology);
            allRulesOn();
            seedLife(40);
            ++switches;
        }
        ASSERT_EQ(checkWorldInvariants(), "") << "step " << step;
    }
    EXPECT_EQ(switches, soakSteps / switchEvery);
    RecordProperty("steps", soakSteps);
}

const char* const topologyNames[] = {"Plane", "Disc", "Sphere"};

INSTANTIATE_TEST_SUITE_P(EveryTopology, Soak, testing::Values(0, 1, 2),
                         [](const testing::TestParamInfo<int>& info) { return std::string(topologyNames[info.param]); });

}  // namespace
