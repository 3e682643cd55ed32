// The 80 x 80 plane: iteration, neighbours, positions and the index split.
#include "planeLattice.h"
#include "randomGenerator.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class PlaneLattice : public testing::Test {
protected:
    planeLattice plane{80, 80, 1.0f};

    latticeCursor at(int i, int j) const { return latticeCursor{i, j}; }
    int neighbourCount(int i, int j) const
    {
        int count = 0;
        for (int d = 0; d < plane.directionCount(); ++d) {
            latticeCursor cursor = at(i, j);
            if (plane.neighbour(cursor, plane.cellIndex(cursor), d) != -1) ++count;
        }
        return count;
    }
};

TEST_F(PlaneLattice, DerivedFieldsOfTheWorldsPlane)
{
    EXPECT_EQ(plane.cellCount(), 6400);
    EXPECT_EQ(plane.cellTotal, 6400);
    EXPECT_EQ(plane.originX, -40.0f);
    EXPECT_EQ(plane.originY, -40.0f);
    EXPECT_EQ(plane.directionCount(), 8);
}

TEST_F(PlaneLattice, IterationVisitsEveryCellOnceInIndexOrder)
{
    latticeCursor cursor{7, 7};
    int index = plane.firstCell(cursor);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(cursor.i, 0);
    EXPECT_EQ(cursor.j, 0);
    std::vector<int> visited{index};
    int calls = 0;
    int last = index;
    while ((index = plane.nextCell(cursor)) != -1) {
        ++calls;
        ASSERT_EQ(index, last + 1);
        ASSERT_EQ(plane.cellIndex(cursor), index);
        last = index;
    }
    EXPECT_EQ(calls + 1, 6400);  // the 6400th call returns -1
    EXPECT_EQ(last, 6399);
    EXPECT_EQ(cursor.i, 0);
    EXPECT_EQ(cursor.j, 80);  // left just past the last row
}

TEST_F(PlaneLattice, NeighboursOfTheFirstCell)
{
    for (int d : {0, 1, 2, 3, 5}) {
        latticeCursor cursor = at(0, 0);
        EXPECT_EQ(plane.neighbour(cursor, 0, d), -1) << "direction " << d;
        EXPECT_EQ(cursor.i, 0);
        EXPECT_EQ(cursor.j, 0);
    }
    const int expected[][3] = {{4, 80, 1}, {6, 1, 0}, {7, 81, 1}};
    for (const auto& [d, index, row] : expected) {
        latticeCursor cursor = at(0, 0);
        EXPECT_EQ(plane.neighbour(cursor, 0, d), index) << "direction " << d;
        EXPECT_EQ(plane.cellIndex(cursor), index);
        EXPECT_EQ(cursor.j, row);
    }
}

TEST_F(PlaneLattice, EdgesDoNotWrap)
{
    EXPECT_EQ(neighbourCount(0, 0), 3);
    EXPECT_EQ(neighbourCount(79, 0), 3);
    EXPECT_EQ(neighbourCount(0, 79), 3);
    EXPECT_EQ(neighbourCount(79, 79), 3);
    EXPECT_EQ(neighbourCount(40, 0), 5);
    EXPECT_EQ(neighbourCount(79, 40), 5);
    EXPECT_EQ(neighbourCount(40, 40), 8);
}

TEST_F(PlaneLattice, EveryStepHasItsOppositeBack)
{
    EXPECT_EQ(plane.oppositeDirection(2), 5);
    EXPECT_EQ(plane.oppositeDirection(8), -1);
    EXPECT_EQ(plane.oppositeDirection(-1), -1);
    for (int d = 0; d < 8; ++d) {
        latticeCursor cursor = at(40, 40);
        const int there = plane.neighbour(cursor, plane.cellIndex(cursor), d);
        ASSERT_NE(there, -1);
        EXPECT_EQ(plane.neighbour(cursor, there, plane.oppositeDirection(d)), 40 * 80 + 40) << "direction " << d;
    }
}

TEST_F(PlaneLattice, DirectionsOutsideTheEightHaveNoNeighbour)
{
    for (int d : {-1, 8, 1000}) {
        latticeCursor cursor = at(40, 40);
        EXPECT_EQ(plane.neighbour(cursor, 3240, d), -1);
        EXPECT_EQ(cursor.i, 40);
        EXPECT_EQ(cursor.j, 40);
    }
}

TEST_F(PlaneLattice, RandomNeighbourAtACornerWritesTheDrawnDirection)
{
    generator::seed(2024);
    int missing = 0;
    const int draws = 8000;
    for (int draw = 0; draw < draws; ++draw) {
        latticeCursor cursor = at(0, 0);
        int direction = -7;
        const std::uint32_t before = generator::state();
        const int found = plane.randomNeighbour(cursor, 0, &direction);
        ASSERT_GE(direction, 0);
        ASSERT_LT(direction, 8);
        generator::setState(before);
        ASSERT_EQ(generator::rand() % 8, direction);
        latticeCursor check = at(0, 0);
        ASSERT_EQ(found, plane.neighbour(check, 0, direction));
        if (found == -1) ++missing;
    }
    EXPECT_NEAR(static_cast<double>(missing) / draws, 5.0 / 8.0, 0.03);

    latticeCursor cursor = at(40, 40);
    EXPECT_NE(plane.randomNeighbour(cursor, 3240, nullptr), -1);  // the out-pointer may be null
}

TEST_F(PlaneLattice, RandomCellIsRandModuloTheCellTotal)
{
    generator::seed(77);
    const int cell = plane.randomCell();
    generator::seed(77);
    EXPECT_EQ(cell, generator::rand() % 6400);
}

TEST_F(PlaneLattice, CellPositionsAreTheSquareCentres)
{
    float position[3];
    latticeCursor first = at(0, 0);
    EXPECT_EQ(plane.cellPosition(first, 0, position, 0.0f), position);
    EXPECT_FLOAT_EQ(position[0], -39.5f);
    EXPECT_FLOAT_EQ(position[1], -39.5f);
    EXPECT_FLOAT_EQ(position[2], 0.0f);
    latticeCursor last = at(79, 79);
    plane.cellPosition(last, 6399, position, 2.0f);
    EXPECT_FLOAT_EQ(position[0], 39.5f);
    EXPECT_FLOAT_EQ(position[1], 39.5f);
    EXPECT_FLOAT_EQ(position[2], 2.0f);

    planeLattice coarse{4, 2, 2.5f};
    latticeCursor corner = at(3, 1);
    coarse.cellPosition(corner, 7, position, 2.0f);
    EXPECT_FLOAT_EQ(position[0], 3.75f);
    EXPECT_FLOAT_EQ(position[1], 1.25f);
    EXPECT_FLOAT_EQ(position[2], 5.0f);  // heights are in cells
}

TEST_F(PlaneLattice, LocateAcceptsExactlyTheGrid)
{
    latticeCursor cursor;
    EXPECT_FALSE(plane.locate(-1, cursor));
    EXPECT_FALSE(plane.locate(6400, cursor));
    EXPECT_EQ(cursor.i, 0);
    EXPECT_EQ(cursor.j, 80);  // the split is written even for a rejected index
    for (int index = 0; index < 6400; ++index) {
        ASSERT_TRUE(plane.locate(index, cursor));
        ASSERT_EQ(plane.cellIndex(cursor), index);
    }
    EXPECT_TRUE(plane.locate(6399, cursor));
    EXPECT_EQ(cursor.i, 79);
    EXPECT_EQ(cursor.j, 79);
}

TEST_F(PlaneLattice, CellXYSplitsAnIndex)
{
    std::int32_t x = -1;
    std::int32_t y = -1;
    EXPECT_TRUE(plane.cellXY(81, &x, &y));
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    EXPECT_FALSE(plane.cellXY(-1, &x, &y));
    EXPECT_FALSE(plane.cellXY(6400, &x, &y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 80);
}

}  // namespace
