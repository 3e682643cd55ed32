// Live parent links and the lineages they join.
#include "lineages.h"
#include "world.h"

#include <gtest/gtest.h>

namespace {

// A plane world with no life; tests bring cells to life and link them.
class Lineages : public testing::Test {
protected:
    void SetUp() override
    {
        world = World{};
        ASSERT_EQ(setTopology(planeTopology), 1);
        for (int index = 0; index < world.cellCount; ++index) world.cells[index].clear();
    }
    void TearDown() override { world = World{}; }

    static int at(int x, int y) { return y * 80 + x; }

    static void live(int index, int birthStep)
    {
        world.cells[index].field[populationField] = 0.5f;
        world.cells[index].birthStep = birthStep;
    }
    // child's culture came from parent while parent's birthStep was what it is now.
    static void link(int child, int parent)
    {
        world.cells[child].parent = parent;
        world.cells[child].parentBirthStep = world.cells[parent].birthStep;
    }
    static int lineageOf(int index) { return world.cells[index].lineage; }
};

TEST_F(Lineages, ALinkIsLiveWhileTheParentKeepsItsCulture)
{
    live(at(5, 5), 3);
    live(at(6, 5), 7);
    link(at(6, 5), at(5, 5));
    EXPECT_TRUE(hasLiveParent(world.cells[at(6, 5)]));
    world.cells[at(5, 5)].birthStep = 9;  // another culture took the parent over
    EXPECT_FALSE(hasLiveParent(world.cells[at(6, 5)]));
    EXPECT_FALSE(hasLiveParent(world.cells[at(5, 5)])) << "no parent at all";
    world.cells[at(6, 5)].parent = 6400;
    EXPECT_FALSE(hasLiveParent(world.cells[at(6, 5)])) << "a parent outside the array";
}

TEST_F(Lineages, WithoutLiveLinksEveryLivingCellIsItsOwnLineage)
{
    live(at(10, 10), 1);
    live(at(11, 10), 1);
    live(at(3, 40), 2);
    computeLineages();
    EXPECT_EQ(lineageOf(at(10, 10)), 0);
    EXPECT_EQ(lineageOf(at(11, 10)), 1);
    EXPECT_EQ(lineageOf(at(3, 40)), 2);
    EXPECT_EQ(lineageOf(at(0, 0)), -1);
}

TEST_F(Lineages, AChainOfLiveLinksSharesOneLabelAndDeadLinksSplit)
{
    // A chain along row 20 from x = 30 to 35, each cell the child of its west neighbour, and a
    // diagonal grandchild; then a cell whose parent has since been taken over.
    for (int x = 30; x <= 35; ++x) live(at(x, 20), x);
    for (int x = 31; x <= 35; ++x) link(at(x, 20), at(x - 1, 20));
    live(at(36, 21), 50);
    link(at(36, 21), at(35, 20));
    live(at(37, 21), 60);
    link(at(37, 21), at(36, 21));
    world.cells[at(37, 21)].parentBirthStep = 49;  // dead: the parent's culture is newer

    computeLineages();

    for (int x = 30; x <= 35; ++x) EXPECT_EQ(lineageOf(at(x, 20)), 0) << x;
    EXPECT_EQ(lineageOf(at(36, 21)), 0);
    EXPECT_EQ(lineageOf(at(37, 21)), 1);
}

TEST_F(Lineages, LabelsFollowTheIterationOrderOfEachLineagesFirstCell)
{
    live(at(50, 60), 1);
    live(at(2, 3), 1);
    live(at(3, 3), 2);
    link(at(3, 3), at(2, 3));
    live(at(70, 3), 4);
    computeLineages();
    EXPECT_EQ(lineageOf(at(2, 3)), 0);
    EXPECT_EQ(lineageOf(at(3, 3)), 0);
    EXPECT_EQ(lineageOf(at(70, 3)), 1);
    EXPECT_EQ(lineageOf(at(50, 60)), 2);
}

TEST_F(Lineages, LinksBetweenCellsThatAreNotNeighboursDoNotJoin)
{
    live(at(10, 10), 1);
    live(at(12, 10), 2);
    link(at(12, 10), at(10, 10));
    world.cells[at(20, 20)].lineage = 7;  // stale labels of cells without life are cleared
    computeLineages();
    EXPECT_NE(lineageOf(at(10, 10)), lineageOf(at(12, 10)));
    EXPECT_EQ(lineageOf(at(20, 20)), -1);
}

TEST_F(Lineages, AWholePlaneOfOneFamilyFitsTheWorkStack)
{
    // Every cell the child of its west neighbour, the first column children of the cell below:
    // one lineage of 6400 cells, the deepest the stack can get.
    for (int index = 0; index < 6400; ++index) live(index, index);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            if (x > 0) link(at(x, y), at(x - 1, y));
            else if (y > 0) link(at(x, y), at(x, y - 1));
        }
    computeLineages();
    for (int index = 0; index < 6400; ++index) ASSERT_EQ(lineageOf(index), 0) << index;
}

TEST_F(Lineages, NothingOnAnEmptyWorld)
{
    world = World{};
    computeLineages();
    SUCCEED();
}

}  // namespace
