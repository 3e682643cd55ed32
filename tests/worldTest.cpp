// Building and replacing the world, the selection, and the paint brush. The fuzzers' scripts and the
// control panels' tests hold every operation, group edits among them, to its recorded outcome; here
// the rules behind them.
#include "worldActions.h"
#include "worldFixture.h"

#include <cmath>

namespace {

TEST_F(WorldTest, TopologiesBuildReplaceAndRefuse)
{
    useFakeClock();
    fakeMilliseconds = 4250;
    std::fill_n(world.rules, ruleSlotCount, 3.0f);
    world.nextGroupId = 42;
    initWorld(discTopology);
    EXPECT_EQ(std::count(world.rules, world.rules + ruleSlotCount, 0.0f), ruleSlotCount);
    EXPECT_FLOAT_EQ(world.lastStepTime, 4.25f);
    for (int topology : {sphereTopology, planeTopology, discTopology}) {
        selectCell(81);
        world.stepCount = 7;
        EXPECT_EQ(setTopology(topology), 1);
        const int indexSpaces[] = {6400, 9840, 12640};
        EXPECT_TRUE(world.cellCount == indexSpaces[topology] && world.currentLattice->cellCount() == world.cellCount);
        EXPECT_TRUE(world.topology == topology && world.lineageStack && getStepCount() == 0 && !getSelectedCell());
    }
    EXPECT_EQ(world.nextGroupId, 42) << "group ids run on across worlds";
    selectCell(100);
    EXPECT_EQ(setTopology(discTopology), -1) << "already built";
    EXPECT_EQ(getSelectedIndex(), 100) << "nothing changes";
    testing::internal::CaptureStdout();
    EXPECT_EQ(setTopology(7), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(!world.currentLattice && !world.cells && !world.lineageStack && world.cellCount == 0 && getSelectedIndex() == -1);
    EXPECT_EQ(setTopology(discTopology), 1) << "the former topology rebuilds an empty world";
    selectCell(5);
    EXPECT_EQ(getSelectedIndex(), 5) << "the disc takes the holes of its index space";
    freshWorld(sphereTopology);
    selectCell(6);
    EXPECT_EQ(getSelectedIndex(), -1) << "the sphere does not";
    selectCell(160);
    for (const auto& [written, kept] : {std::pair{1.5f, 1.0f}, {-0.2f, 0.0f}, {0.3f, 0.3f}, {std::nanf(""), 0.0f}}) {
        setSelectedField(technologyField, written);
        EXPECT_EQ(getSelectedField(technologyField), kept) << written;
    }
}

TEST_F(WorldTest, APaintBrushMovesAFifthOfTheWayOverTheCellsCloserThanItsRadius)
{
    freshWorld(planeTopology);
    killAll();
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[environmentField] = 0.5f;
    touch(40 * 80 + 40, paintWithOne, 0.1f);  // about 11.3 cells
    EXPECT_FLOAT_EQ(world.cells[40 * 80 + 40].field[environmentField], 0.6f) << "a fifth of the way";
    for (int index = 0; index < world.cellCount; ++index) {
        const float distance = std::hypot(static_cast<float>(index % 80 - 40), static_cast<float>(index / 80 - 40));
        ASSERT_EQ(world.cells[index].field[environmentField] != 0.5f, distance < std::sqrt(12800.0f) * 0.1f) << index;
    }
}

}  // namespace
