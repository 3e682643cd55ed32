// Seeding, killing, and editing groups from the panel.
#include "generatorControl.h"
#include "world.h"
#include "worldActions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace {

class WorldActions : public testing::Test {
protected:
    void SetUp() override
    {
        world = World{};
        ASSERT_EQ(setTopology(planeTopology), 1);
    }
    void TearDown() override { world = World{}; }

    static int living()
    {
        int count = 0;
        for (int index = 0; index < world.cellCount; ++index) count += world.cells[index].field[populationField] != 0.0f;
        return count;
    }
};

// Seeding one cell takes eleven draws (the cell, nine traits, the technology) and comes last in
// a world's build, so the six seeded cells follow from the last 66 draws of the build.
TEST_F(WorldActions, ANewWorldHoldsExactlyTheSixSeededCells)
{
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        world = World{};
        generator::seed(500 + topology);
        const std::uint32_t start = generator::state();
        ASSERT_EQ(setTopology(topology), 1);
        const int buildDraws = drawsBetween(start, generator::state(), 10000000);
        ASSERT_GT(buildDraws, 66);

        std::set<int> chosen;
        generator::setState(start);
        for (int draw = 0; draw < buildDraws - 66; ++draw) generator::rand();
        for (int seeded = 0; seeded < 6; ++seeded) {
            const std::uint32_t before = generator::state();
            chosen.insert(world.currentLattice->randomCell());
            generator::setState(before);
            for (int draw = 0; draw < 11; ++draw) generator::rand();
        }

        std::set<int> living;
        for (int index = 0; index < world.cellCount; ++index) {
            const Cell& cell = world.cells[index];
            ASSERT_EQ(cell.group.id, -1);
            ASSERT_EQ(cell.parent, -1);
            if (cell.field[populationField] == 0.0f) continue;
            living.insert(index);
            EXPECT_EQ(cell.field[populationField], 0.1f);
            EXPECT_EQ(cell.field[phenotypeField], cell.field[environmentField]);
            EXPECT_LE(cell.field[technologyField], 0.1f);
            EXPECT_EQ(cell.birthStep, 0);
        }
        EXPECT_EQ(living, chosen) << "topology " << topology;
    }
}

TEST_F(WorldActions, SeedingDrawsTheCellThenTheTraitsInOrder)
{
    killAll();
    world.stepCount = 12;
    generator::seed(77);
    const std::vector<int> draws = peekDraws(generator::state(), 11);
    seedLife(1);
    const int index = draws[0] % 6400;
    const Cell& cell = world.cells[index];
    EXPECT_EQ(cell.field[populationField], 0.1f);
    EXPECT_EQ(cell.birthStep, 12);
    for (int f = groupMembershipField; f < technologyField; ++f) EXPECT_EQ(cell.field[f], uniformOf(draws[f - 2])) << f;
    EXPECT_EQ(cell.field[cultureRedField], uniformOf(draws[7]));
    EXPECT_EQ(cell.field[cultureBlueField], uniformOf(draws[9]));
    EXPECT_FLOAT_EQ(cell.field[technologyField], uniformOf(draws[10]) * 0.1f) << "a further draw replaces the ninth";
    EXPECT_EQ(living(), 1);
}

TEST_F(WorldActions, SeedingNothing)
{
    killAll();
    const std::uint32_t before = generator::state();
    seedLife(0);
    seedLife(-3);
    EXPECT_EQ(living(), 0);
    EXPECT_EQ(generator::state(), before);
    world = World{};
    seedLife(5);  // an empty world: nothing, no crash
    EXPECT_EQ(generator::state(), before);
}

TEST_F(WorldActions, KillAllEmptiesEveryCellAndKeepsTheGroundAndSelection)
{
    std::vector<float> ground;
    for (int index = 0; index < world.cellCount; ++index) {
        world.cells[index].group = Group{index % 3, 1, 0.5f, 0.4f, colourRed};
        world.cells[index].field[technologyField] = 0.6f;
        ground.push_back(world.cells[index].field[environmentField]);
    }
    world.stepCount = 40;
    world.nextGroupId = 9;
    selectCell(100);

    killAll();

    EXPECT_EQ(getStepCount(), 0);
    EXPECT_EQ(world.nextGroupId, 9);
    EXPECT_EQ(getSelectedIndex(), 100);
    for (int index = 0; index < world.cellCount; ++index) {
        const Cell& cell = world.cells[index];
        ASSERT_EQ(cell.field[environmentField], ground[index]);
        for (int f = populationField; f < cellFieldCount; ++f) ASSERT_EQ(cell.field[f], 0.0f);
        ASSERT_EQ(cell.group.id, -1);
        ASSERT_EQ(cell.group.colour, noGroupColour);
        ASSERT_EQ(cell.parent, -1);
    }
}

TEST_F(WorldActions, GroupFieldReachesEveryMemberLivingOrNot)
{
    killAll();
    world.cells[10].group.id = 4;
    world.cells[11].group.id = 4;
    world.cells[11].field[populationField] = 0.3f;
    world.cells[12].group.id = 5;
    setGroupField(4, metabolismField, 1.7f);
    EXPECT_EQ(world.cells[10].field[metabolismField], 1.7f) << "not clamped";
    EXPECT_EQ(world.cells[11].field[metabolismField], 1.7f);
    EXPECT_EQ(world.cells[12].field[metabolismField], 0.0f);

    setGroupField(-1, metabolismField, 0.5f);  // thousands of cells have no group: still nothing
    EXPECT_EQ(world.cells[0].field[metabolismField], 0.0f);
    setGroupField(4, 12, 0.5f);
    setGroupField(4, -1, 0.5f);
    setGroupField(4, metabolismField, std::numeric_limits<float>::infinity());
    setGroupField(4, metabolismField, std::nanf(""));
    EXPECT_EQ(world.cells[10].field[metabolismField], 1.7f);
    EXPECT_EQ(world.cells[10].next[0], 0.0f);
}

TEST_F(WorldActions, ApplyingAGroupSkipsMembersWithoutLife)
{
    killAll();
    for (int index : {20, 21, 22}) world.cells[index].group = Group{6, 2, 0.1f, 0.4f, colourRed};
    world.cells[20].field[populationField] = 0.4f;
    world.cells[21].field[populationField] = -0.1f;  // living: not zero
    world.cells[23].field[populationField] = 0.4f;  // not a member
    const Group edited{6, 8, 0.75f, 0.2f, colourYellow};
    applyGroup(edited);
    EXPECT_EQ(world.cells[20].group.field, 8);
    EXPECT_EQ(world.cells[20].group.colour, colourYellow);
    EXPECT_EQ(world.cells[21].group.center, 0.75f);
    EXPECT_EQ(world.cells[22].group.field, 2) << "no life: keeps its old copy";
    EXPECT_EQ(world.cells[23].group.id, -1);

    applyGroup(Group{-1, 3, 0.5f, 0.5f, colourBlue});
    EXPECT_EQ(world.cells[23].group.id, -1);
    EXPECT_EQ(world.cells[0].group.field, 0);
}

TEST_F(WorldActions, SelectedGroupNeedsALivingMember)
{
    killAll();
    Group read{};
    EXPECT_FALSE(getSelectedGroup(read)) << "nothing selected";
    EXPECT_EQ(read.id, -1);
    EXPECT_EQ(read.field, -1);
    EXPECT_EQ(read.center, 0.0f);
    EXPECT_EQ(read.deviation, 0.0f);
    EXPECT_EQ(read.colour, noGroupColour);

    world.cells[30].group = Group{8, 4, 0.2f, 0.4f, colourGreen};
    selectCell(30);
    EXPECT_FALSE(getSelectedGroup(read)) << "a member with Population 0";
    EXPECT_EQ(read.id, -1);
    world.cells[30].field[populationField] = 0.2f;
    EXPECT_TRUE(getSelectedGroup(read));
    EXPECT_EQ(read.id, 8);
    EXPECT_EQ(read.colour, colourGreen);
}

}  // namespace
