// The simulation step and what it composes: long runs held to their recorded worlds, and the edges a
// run rarely meets: odd blends, mutation without life, the end of the group ids, lineages, non-finite values.
#include "culture.h"
#include "digest.h"
#include "groups.h"
#include "lineages.h"
#include "simulationStep.h"
#include "worldActions.h"
#include "worldFixture.h"
#include "worldHash.h"
#include "worldScenes.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint32_t calendarSeed = 1733500000u;

struct RunCase {
    int topology;
    bool rulesOn;
    std::uint64_t recorded;
};

class LongRun : public WorldTest, public testing::WithParamInterface<RunCase> {};

// 2000 steps with disasters, the rules as the program starts them or every switch turned the other
// way. The hash covers every field, group and link of every cell; the lineage labels are added.
TEST_P(LongRun, StaysSoundAndGrowsTheRecordedWorld)
{
    const bool on = GetParam().rulesOn;
    pollutionOn = humanRulesOn = lineageOn = on;
    ruleNoSelfMutation = ruleSpreadCost = !on;
    disasterRate = 0.1f;
    growWorld(GetParam().topology, calendarSeed, 2000);
    ASSERT_EQ(getStepCount(), 2000);

    Digest digest;
    digest << worldHash() << generator::state();
    int living = 0;
    forEachCell([&](int index, const latticeCursor&) {
        const Cell& cell = world.cells[index];
        for (float value : cell.field) ASSERT_TRUE(std::isfinite(value)) << index;
        ASSERT_TRUE(cell.group.id >= -1 && cell.group.id < world.nextGroupId) << index;
        ASSERT_TRUE(cell.parent >= -1 && cell.parent < world.cellCount) << index;
        living += cell.field[populationField] != 0.0f;
        digest << cell.lineage;
    });
    EXPECT_GT(living, 0) << "life survives";
    EXPECT_GT(world.nextGroupId, 0) << "groups were founded";
    EXPECT_EQ(digest.value, GetParam().recorded);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTopology, LongRun,
    testing::Values(RunCase{planeTopology, false, 0x8efa0420c37af750ull}, RunCase{planeTopology, true, 0x436eb0227d73a5d9ull},
                    RunCase{discTopology, false, 0xe52a7ffd8918c45eull}, RunCase{discTopology, true, 0x8add20a7f927287cull},
                    RunCase{sphereTopology, false, 0xa72f0c51e71309c1ull}, RunCase{sphereTopology, true, 0xf52c34d4c24b0669ull}),
    [](const auto& info) { return std::string(topologyNames[info.param.topology]) + (info.param.rulesOn ? "RulesOn" : ""); });

TEST_F(WorldTest, AStepStampsTheTimeDrawsForTheDisasterAndCommitsOnlyNumbers)
{
    useFakeClock();
    fakeMilliseconds = 2500;
    const std::uint32_t before = generator::state();
    simulationStep();
    EXPECT_TRUE(world.lastStepTime == 2.5f && getStepCount() == 0 && generator::state() == before) << "an empty world";
    freshWorld(planeTopology);
    killAll();
    std::uint32_t start = 0, afterTheCheck = 0;  // a state whose next draw is the largest, which stays below 1
    do generator::setState(++start);
    while (generator::rand() != generator::randMax);
    afterTheCheck = generator::state();
    for (float rate : {1.0f, 0.0f}) {
        disasterRate = rate;
        generator::setState(start);
        simulationStep();
        EXPECT_EQ(generator::state() != afterTheCheck, rate == 1.0f) << "a dead world draws only for the disaster";
    }
    const float inf = std::numeric_limits<float>::infinity(), next[] = {0.6f, inf, std::nanf(""), -inf, 7.5f};
    const float committed[] = {0.6f, 1.0f, 0.0f, 0.0f, 7.5f};  // finite values stay unclamped
    beginStep();
    std::copy(next, next + 5, world.cells[12].next + 7);
    commitStep();
    EXPECT_EQ(std::memcmp(world.cells[12].field + 7, committed, sizeof committed), 0);
    EXPECT_EQ(std::memcmp(world.cells[12].next + 7, committed, sizeof committed), 0) << "next equals field between steps";
}

// Lineages: cells joined by live parent links between neighbours share a label, given in
// iteration order; the whole plane as one family is the deepest the work stack gets.
TEST_F(WorldTest, LineagesFollowLiveLinksBetweenNeighbours)
{
    freshWorld(planeTopology);
    killAll();
    const auto link = [](int child, int parent) {
        world.cells[child].parent = parent;
        world.cells[child].parentBirthStep = world.cells[parent].birthStep;
    };
    for (int index = 0; index < 6400; ++index) {
        world.cells[index].field[populationField] = index < 6300 ? 0.5f : 0.0f;
        world.cells[index].birthStep = index;
        if (index > 0) link(index, index % 80 ? index - 1 : index - 80);
    }
    world.cells[6300].lineage = 7;  // a stale label on a cell without life
    link(6000, 6002);  // not neighbours: from 6000 on the rows form a lineage of their own
    world.cells[5000].birthStep = 1;  // 5001's culture came from a culture 5000 no longer holds: the rest of its row splits off
    EXPECT_FALSE(hasLiveParent(world.cells[5001]));
    computeLineages();
    const std::pair<int, int> labels[] = {{0, 0},    {5000, 0}, {5001, 1}, {5039, 1}, {5040, 0},
                                          {5999, 0}, {6000, 2}, {6299, 2}, {6300, -1}};
    for (const auto& [index, label] : labels) EXPECT_EQ(world.cells[index].lineage, label) << index;
}

// The edges of what the step composes that a long run rarely meets.
TEST_F(WorldTest, TakeoversMutationAndGroupsAtTheirEdges)
{
    Cell conqueror, target;
    std::fill_n(target.field, cellFieldCount, 0.5f);
    std::fill_n(target.next, cellFieldCount, 0.5f);
    conqueror.field[cultureRedField] = 0.9f;
    copyCultureFrom(target, conqueror, 1.5f);
    EXPECT_FLOAT_EQ(target.next[cultureRedField], 0.5f + 0.4f * 1.5f) << "a blend above 1 overshoots, unclamped";
    EXPECT_FLOAT_EQ(target.next[cultureGreenField], 0.5f - 0.5f * 1.5f);
    for (float population : {0.0f, -0.3f, std::nanf("")}) {
        const std::uint32_t before = generator::state();
        target.field[populationField] = population;
        mutate(target);
        EXPECT_EQ(generator::state(), before) << "no mutation, no draw without life";
    }
    world.nextGroupId = std::numeric_limits<int>::max();
    generator::seed(7);
    foundGroup(target.nextGroup, target);
    EXPECT_EQ(target.nextGroup.id, std::numeric_limits<int>::max());
    EXPECT_EQ(world.nextGroupId, 0) << "after the largest id they start again at 0";
    generator::seed(7);
    EXPECT_EQ(target.nextGroup.field, generator::rand() % cellFieldCount) << "its field the first draw";
    for (const Group& none : {Group{1, 3, 0.5f, 0.0f, colourRed}, Group{1, -1, 0.5f, 0.4f, colourRed},
                              Group{1, cellFieldCount, 0.5f, 0.4f, colourRed}})
        EXPECT_EQ(membership(none, target), 0.0f) << "zero deviation or a field that is not a cell's";
    target.field[populationField] = -0.2f;  // a takeover can leave this: it counts as none
    updateMembership(Group{5, 3, 0.5f, 0.4f, colourRed}, target);
    EXPECT_EQ(target.next[groupMembershipField], 0.0f);
}

}  // namespace
