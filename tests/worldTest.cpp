// Building and replacing the world, the selection, the rule switches and the step counter.
#include "programClock.h"
#include "world.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

class WorldState : public testing::Test {
protected:
    void SetUp() override { world = World{}; }
    void TearDown() override
    {
        world = World{};
        setMillisecondSource(nullptr);
    }

    static bool isEmpty() { return !world.currentLattice && !world.cells && !world.lineageStack && world.cellCount == 0; }
};

TEST_F(WorldState, EmptyBeforeTheFirstBuild)
{
    EXPECT_TRUE(isEmpty());
    EXPECT_EQ(world.topology, -1);
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(getSelectedCell(), nullptr);
    EXPECT_EQ(getStepCount(), 0);
}

TEST_F(WorldState, PlaneBuildStartsANewWorld)
{
    world.stepCount = 12;
    world.nextGroupId = 42;
    EXPECT_EQ(setTopology(planeTopology), 1);
    EXPECT_EQ(world.topology, planeTopology);
    ASSERT_TRUE(world.currentLattice);
    ASSERT_TRUE(world.cells);
    ASSERT_TRUE(world.lineageStack);
    EXPECT_EQ(world.cellCount, 6400);
    EXPECT_EQ(world.currentLattice->cellCount(), 6400);
    EXPECT_EQ(getStepCount(), 0);
    EXPECT_EQ(world.nextGroupId, 42);  // group ids run on across worlds
    EXPECT_EQ(getSelectedIndex(), -1);
    for (int index = 0; index < world.cellCount; ++index) {
        const Cell& cell = world.cells[index];
        ASSERT_EQ(cell.group.id, -1);
        ASSERT_EQ(cell.parent, -1);
        ASSERT_EQ(cell.lineage, -1);
    }
}

TEST_F(WorldState, EveryTopologyBuildsItsLattice)
{
    const int indexSpaces[] = {6400, 9840, 12640};
    for (int topology : {discTopology, sphereTopology, planeTopology}) {
        EXPECT_EQ(setTopology(topology), 1);
        EXPECT_EQ(world.topology, topology);
        EXPECT_EQ(world.cellCount, indexSpaces[topology]);
        EXPECT_EQ(world.currentLattice->cellCount(), indexSpaces[topology]);
    }
}

TEST_F(WorldState, SwitchingBackAndForthLeavesNoSelectionBehind)
{
    const int someCell[] = {81, 250, 170};
    for (int round = 0; round < 30; ++round) {
        const int topology = round % 3;
        ASSERT_EQ(setTopology(topology), 1);
        EXPECT_EQ(getSelectedIndex(), -1);
        EXPECT_EQ(getSelectedCell(), nullptr);
        selectCell(someCell[topology]);
        ASSERT_EQ(getSelectedCell(), &world.cells[someCell[topology]]);
        setSelectedField(populationField, 0.5f);
    }
}

TEST_F(WorldState, SelectionFollowsEachLatticesIdeaOfACell)
{
    ASSERT_EQ(setTopology(sphereTopology), 1);
    selectCell(6);  // a hole of the sphere's first row
    EXPECT_EQ(getSelectedIndex(), -1);
    ASSERT_EQ(setTopology(discTopology), 1);
    selectCell(5);  // the disc accepts every index of its index space
    EXPECT_EQ(getSelectedIndex(), 5);
    selectCell(9840);
    EXPECT_EQ(getSelectedIndex(), -1);
}

TEST_F(WorldState, SameTopologyAgainTouchesNothing)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    const Cell* cells = world.cells.get();
    const lattice* built = world.currentLattice.get();
    world.stepCount = 5;
    world.cells[100].field[populationField] = 0.7f;
    selectCell(100);

    EXPECT_EQ(setTopology(planeTopology), -1);
    EXPECT_EQ(world.cells.get(), cells);
    EXPECT_EQ(world.currentLattice.get(), built);
    EXPECT_EQ(getStepCount(), 5);
    EXPECT_EQ(world.cells[100].field[populationField], 0.7f);
    EXPECT_EQ(getSelectedIndex(), 100);
    EXPECT_EQ(getSelectedCell(), &world.cells[100]);
}

TEST_F(WorldState, UnknownTopologyLeavesTheWorldEmptyAndSilent)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    selectCell(5);
    testing::internal::CaptureStdout();
    EXPECT_EQ(setTopology(7), 0);
    EXPECT_EQ(setTopology(-5), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(isEmpty());
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(getSelectedCell(), nullptr);
}

TEST_F(WorldState, FailedBuildCanBeRepairedWithTheFormerTopology)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    ASSERT_EQ(setTopology(9), 0);
    // The world is empty, so choosing the plane again must rebuild it rather than report "already built".
    EXPECT_EQ(setTopology(planeTopology), 1);
    EXPECT_EQ(world.cellCount, 6400);
}

TEST_F(WorldState, InitWorldZeroesRulesAndStampsTheClock)
{
    setMillisecondSource(readFake);
    fakeMilliseconds = 0;
    startClock();
    fakeMilliseconds = 4250;
    for (int slot = 0; slot < ruleSlotCount; ++slot) world.rules[slot] = 3.0f;

    initWorld(planeTopology);

    EXPECT_EQ(world.topology, planeTopology);
    for (float rule : world.rules) EXPECT_EQ(rule, 0.0f);
    EXPECT_FLOAT_EQ(world.lastStepTime, 4.25f);
}

TEST_F(WorldState, SelectingACell)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    selectCell(81);
    EXPECT_EQ(getSelectedIndex(), 81);
    EXPECT_EQ(getSelectedCell(), &world.cells[81]);
    EXPECT_EQ(world.selectedCoord.i, 1);
    EXPECT_EQ(world.selectedCoord.j, 1);

    selectCell(6400);  // rejected: the earlier selection goes too
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(getSelectedCell(), nullptr);

    selectCell(6399);
    selectCell(-1);
    EXPECT_EQ(getSelectedIndex(), -1);
}

TEST_F(WorldState, NothingIsSelectedOnAnEmptyWorld)
{
    selectCell(0);
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(getSelectedField(populationField), 0.0f);
    setSelectedField(populationField, 0.5f);  // ignored, no crash
}

TEST_F(WorldState, RebuildingClearsTheSelection)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    selectCell(10);
    ASSERT_EQ(setTopology(8), 0);
    ASSERT_EQ(setTopology(planeTopology), 1);
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(getSelectedCell(), nullptr);
}

TEST_F(WorldState, SelectedFieldIsClampedAndGuarded)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    EXPECT_EQ(getSelectedField(technologyField), 0.0f);
    setSelectedField(technologyField, 0.9f);  // nothing selected: ignored
    EXPECT_EQ(world.cells[200].field[technologyField], 0.0f);

    selectCell(200);
    setSelectedField(technologyField, 1.5f);
    EXPECT_EQ(getSelectedField(technologyField), 1.0f);
    setSelectedField(technologyField, -0.2f);
    EXPECT_EQ(getSelectedField(technologyField), 0.0f);
    setSelectedField(phenotypeField, 0.3f);
    EXPECT_EQ(world.cells[200].field[phenotypeField], 0.3f);
    setSelectedField(phenotypeField, std::nanf(""));
    EXPECT_EQ(world.cells[200].field[phenotypeField], 0.0f);

    setSelectedField(12, 0.5f);
    setSelectedField(-1, 0.5f);
    EXPECT_EQ(getSelectedField(12), 0.0f);
    EXPECT_EQ(getSelectedField(-1), 0.0f);
    EXPECT_EQ(world.cells[200].next[0], 0.0f);  // field 12 would have landed here
    EXPECT_EQ(world.cells[199].lineage, -1);  // and field -1 at the end of the record before
}

TEST_F(WorldState, RuleSlotsOutsideTheEightAreIgnored)
{
    setRule(0, 1.0f);
    setRule(7, 0.25f);
    setRule(8, 5.0f);
    setRule(-1, 5.0f);
    EXPECT_EQ(world.rules[0], 1.0f);
    EXPECT_EQ(world.rules[7], 0.25f);
    for (int slot = 1; slot < 7; ++slot) EXPECT_EQ(world.rules[slot], 0.0f);
}

TEST_F(WorldState, StepCounterCountsAndResetsWithANewWorld)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    incrementStep();
    incrementStep();
    EXPECT_EQ(getStepCount(), 2);
    ASSERT_EQ(setTopology(11), 0);
    EXPECT_EQ(getStepCount(), 0);
}

}  // namespace
