// The disc of 40 rings: ring sizes, holes, iteration and neighbours across and along the rings.
#include "drawShare.h"
#include "randomGenerator.h"
#include "spiralLattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const int ringSizes[40] = {2,   8,   14,  20,  27,  33,  39,  45,  52,  58,  64,  71,  77,  83,  89,  96,  102, 108, 114, 121,
                           127, 133, 140, 146, 152, 158, 165, 171, 177, 183, 190, 196, 202, 209, 215, 221, 227, 234, 240, 246};

class SpiralLattice : public testing::Test {
protected:
    void SetUp() override { disc.build(); }

    spiralLattice disc{40};

    static bool isRealCell(int index) { return index >= 0 && index < 9840 && index % 246 < ringSizes[index / 246]; }
};

TEST(SpiralLatticeBuild, StrideIsRewrittenByBuild)
{
    spiralLattice disc{40};
    latticeCursor cursor;
    EXPECT_EQ(disc.numRings(), 0);
    disc.locate(251, cursor);  // before build the stride is truncate(40 * 6.28)
    EXPECT_EQ(cursor.i, 1);
    EXPECT_EQ(cursor.j, 0);
    disc.build();
    disc.locate(251, cursor);
    EXPECT_EQ(cursor.i, 1);
    EXPECT_EQ(cursor.j, 5);
    EXPECT_EQ(disc.cellCount(), 9840);
}

TEST_F(SpiralLattice, RingSizesAndTotals)
{
    ASSERT_EQ(disc.numRings(), 40);
    int total = 0;
    for (int ring = 0; ring < 40; ++ring) {
        EXPECT_EQ(disc.ringSize(ring), ringSizes[ring]) << "ring " << ring;
        total += disc.ringSize(ring);
    }
    EXPECT_EQ(total, 4955);
    EXPECT_EQ(disc.cellCount(), 9840);
    EXPECT_EQ(disc.ringSize(-1), 0);
    EXPECT_EQ(disc.ringSize(40), 0);
}

TEST_F(SpiralLattice, IterationVisitsExactlyTheRealCellsInOrder)
{
    std::vector<int> expected;
    for (int ring = 0; ring < 40; ++ring)
        for (int j = 0; j < ringSizes[ring]; ++j) expected.push_back(ring * 246 + j);

    std::vector<int> visited;
    latticeCursor cursor;
    for (int index = disc.firstCell(cursor); index != -1; index = disc.nextCell(cursor)) {
        visited.push_back(index);
        ASSERT_EQ(disc.cellIndex(cursor), index);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(visited.size(), 4955u);
    EXPECT_EQ(std::vector<int>(visited.begin(), visited.begin() + 4), (std::vector<int>{0, 1, 246, 247}));
    EXPECT_EQ(cursor.i, 40);
}

TEST_F(SpiralLattice, RandomCellsAreRealAndSpreadEvenlyOverTheRings)
{
    generator::seed(4242);
    const int draws = 300000;
    std::vector<int> perRing(40, 0);
    for (int draw = 0; draw < draws; ++draw) {
        const int cell = disc.randomCell();
        ASSERT_TRUE(isRealCell(cell)) << cell;
        perRing[cell / 246] += 1;
    }
    int first = 0;
    for (int ring = 0; ring < 40; ++ring) {
        const double expected = draws * drawShare(first, ringSizes[ring], 4955);
        EXPECT_NEAR(perRing[ring], expected, 5.0 * std::sqrt(expected)) << "ring " << ring;
        first += ringSizes[ring];
    }
}

TEST_F(SpiralLattice, NoCellInsideTheCentreOrOutsideTheRim)
{
    for (int j = 0; j < 2; ++j)
        for (int d : {0, 1, 2}) {
            latticeCursor cursor{0, j};
            EXPECT_EQ(disc.neighbour(cursor, j, d), -1);
            EXPECT_EQ(cursor.i, 0);
            EXPECT_EQ(cursor.j, j);
        }
    for (int j = 0; j < 246; ++j)
        for (int d : {5, 6, 7}) {
            latticeCursor cursor{39, j};
            EXPECT_EQ(disc.neighbour(cursor, 39 * 246 + j, d), -1);
        }
}

TEST_F(SpiralLattice, NeighbourExamples)
{
    latticeCursor along{5, 0};
    EXPECT_EQ(disc.neighbour(along, 5 * 246, 3), 5 * 246 + 32);  // wraps to the last of 33 cells
    EXPECT_EQ(along.j, 32);

    latticeCursor out{10, 32};
    EXPECT_EQ(disc.neighbour(out, 10 * 246 + 32, 6), 2742);  // truncate(71.5 * 1.5) mod 71 = 36
    EXPECT_EQ(out.i, 11);
    EXPECT_EQ(out.j, 36);

    latticeCursor first{10, 0};
    EXPECT_EQ(disc.neighbour(first, 10 * 246, 6), 11 * 246);
    latticeCursor last{10, 63};
    EXPECT_EQ(disc.neighbour(last, 10 * 246 + 63, 6), 11 * 246 + 70);

    latticeCursor inward{1, 4};  // f = 0.5: truncate(2.5 * 1.5) mod 2 = 1
    EXPECT_EQ(disc.neighbour(inward, 246 + 4, 1), 1);
}

TEST_F(SpiralLattice, EveryNeighbourIsARealCellOrNone)
{
    latticeCursor cursor;
    for (int index = disc.firstCell(cursor); index != -1; index = disc.nextCell(cursor))
        for (int d = 0; d < 8; ++d) {
            latticeCursor copy = cursor;
            const int found = disc.neighbour(copy, index, d);
            if (found == -1) continue;
            ASSERT_TRUE(isRealCell(found)) << index << " direction " << d << " gave " << found;
            ASSERT_EQ(disc.cellIndex(copy), found);
        }
}

TEST_F(SpiralLattice, LocateAcceptsHolesInsideTheIndexSpace)
{
    latticeCursor cursor;
    EXPECT_TRUE(disc.locate(5, cursor));  // ring 0 has only 2 cells
    EXPECT_EQ(cursor.i, 0);
    EXPECT_EQ(cursor.j, 5);
    EXPECT_TRUE(disc.locate(9839, cursor));
    EXPECT_FALSE(disc.locate(9840, cursor));
    EXPECT_FALSE(disc.locate(-1, cursor));
}

TEST_F(SpiralLattice, CellPositionIsTheMidpointOfTheDiagonal)
{
    latticeCursor cursor{1, 0};
    float position[3];
    disc.cellPosition(cursor, 246, position, 0.0f);
    EXPECT_NEAR(position[0], -0.7071f, 1e-4f);
    EXPECT_NEAR(position[1], 1.2071f, 1e-4f);
    EXPECT_EQ(position[2], 0.0f);
    disc.cellPosition(cursor, 246, position, 2.5f);
    EXPECT_EQ(position[2], 2.5f);  // the disc uses heights unscaled

    latticeCursor hole{0, 5};
    disc.cellPosition(hole, 5, position, 1.0f);
    EXPECT_EQ(position[0], 0.0f);
    EXPECT_EQ(position[1], 0.0f);
    EXPECT_EQ(position[2], 1.0f);
}

TEST_F(SpiralLattice, NextCellFromAHoleMovesOnToTheNextRing)
{
    latticeCursor hole{0, 5};
    EXPECT_EQ(disc.nextCell(hole), 246);
    latticeCursor outside{40, 0};
    EXPECT_EQ(disc.nextCell(outside), -1);
}

}  // namespace
