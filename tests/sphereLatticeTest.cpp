// The sphere of 160 equator cells: rows, holes, iteration, neighbours across rows and the poles.
#include "drawShare.h"
#include "randomGenerator.h"
#include "sphereLattice.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

// Cells per row from the north pole to the equator; the southern rows mirror them.
const int northernRows[40] = {6,   12,  18,  25,  31,  37,  43,  49,  55,  61,  67,  72,  78,  83,  88,  94,  99,  103, 108, 113,
                              117, 121, 125, 129, 133, 136, 139, 142, 145, 147, 150, 152, 153, 155, 156, 158, 158, 159, 159, 160};

int rowLength(int row) { return northernRows[row <= 39 ? row : 78 - row]; }

class SphereLattice : public testing::Test {
protected:
    sphereLattice sphere{160, 25.0f};

    bool isRealCell(int index) const { return index >= 0 && index % 160 < rowLength(index / 160) && index / 160 < 79; }
};

TEST_F(SphereLattice, SizesOfTheWorldsSphere)
{
    EXPECT_EQ(sphere.stride, 160);
    EXPECT_EQ(sphere.rowCount, 79);
    EXPECT_EQ(sphere.equatorRow, 39);
    EXPECT_EQ(sphere.cellTotal, 8112);
    EXPECT_EQ(sphere.indexCount, 12640);
    EXPECT_EQ(sphere.cellCount(), 12640);
    EXPECT_FLOAT_EQ(sphere.cellSize, 0.98125f);
    EXPECT_FLOAT_EQ(sphere.heightScale, 0.2453125f);
}

TEST_F(SphereLattice, RowLengthsFollowTheLatitudes)
{
    latticeCursor cursor;
    for (int row = 0; row < 79; ++row) {
        EXPECT_TRUE(sphere.locate(row * 160 + rowLength(row) - 1, cursor)) << "last cell of row " << row;
        if (row != 39) {  // the equator fills the stride: it has no holes
            EXPECT_FALSE(sphere.locate(row * 160 + rowLength(row), cursor)) << "first hole of row " << row;
        }
    }
}

TEST_F(SphereLattice, IterationVisitsExactlyTheRealCellsInOrder)
{
    std::vector<int> expected;
    for (int row = 0; row < 79; ++row)
        for (int i = 0; i < rowLength(row); ++i) expected.push_back(row * 160 + i);

    std::vector<int> visited;
    latticeCursor cursor;
    for (int index = sphere.firstCell(cursor); index != -1; index = sphere.nextCell(cursor)) {
        visited.push_back(index);
        ASSERT_EQ(sphere.cellIndex(cursor), index);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(visited.size(), 8112u);
    EXPECT_EQ(cursor.j, 79);
    EXPECT_EQ(cursor.i, 0);
    EXPECT_EQ(std::vector<int>(visited.begin(), visited.begin() + 8), (std::vector<int>{0, 1, 2, 3, 4, 5, 160, 161}));
}

TEST_F(SphereLattice, RandomCellsAreRealAndSpreadEvenlyOverTheRows)
{
    generator::seed(31337);
    const int draws = 400000;
    std::vector<int> perRow(79, 0);
    for (int draw = 0; draw < draws; ++draw) {
        const int cell = sphere.randomCell();
        ASSERT_TRUE(isRealCell(cell)) << cell;
        perRow[cell / 160] += 1;
    }
    int first = 0;
    for (int row = 0; row < 79; ++row) {
        const double expected = draws * drawShare(first, rowLength(row), 8112);
        EXPECT_NEAR(perRow[row], expected, 5.0 * std::sqrt(expected)) << "row " << row;
        first += rowLength(row);
    }
}

TEST_F(SphereLattice, NeighboursAcrossRowsCarryThePositionOver)
{
    latticeCursor cursor{159, 39};
    EXPECT_EQ(sphere.neighbour(cursor, 39 * 160 + 159, 3), 6238);  // toward the north pole
    EXPECT_EQ(cursor.i, 158);
    EXPECT_EQ(cursor.j, 38);

    latticeCursor west{0, 20};
    EXPECT_EQ(sphere.neighbour(west, 20 * 160, 1), 20 * 160 + 116);  // wraps to the row's last cell
    EXPECT_EQ(west.i, 116);

    latticeCursor east{116, 20};
    EXPECT_EQ(sphere.neighbour(east, 20 * 160 + 116, 6), 20 * 160);
}

TEST_F(SphereLattice, ThePolesAreOpenEdges)
{
    for (int i = 0; i < 6; ++i)
        for (int d : {0, 3, 5}) {
            latticeCursor cursor{i, 0};
            EXPECT_EQ(sphere.neighbour(cursor, i, d), -1);
            EXPECT_EQ(cursor.i, i);
            EXPECT_EQ(cursor.j, 0);
        }
    for (int i = 0; i < 6; ++i)
        for (int d : {2, 4, 7}) {
            latticeCursor cursor{i, 78};
            EXPECT_EQ(sphere.neighbour(cursor, 78 * 160 + i, d), -1);
        }
}

TEST_F(SphereLattice, EveryNeighbourIsARealCellOrNone)
{
    latticeCursor cursor;
    for (int index = sphere.firstCell(cursor); index != -1; index = sphere.nextCell(cursor))
        for (int d = 0; d < 8; ++d) {
            latticeCursor copy = cursor;
            const int found = sphere.neighbour(copy, index, d);
            if (found == -1) continue;
            ASSERT_TRUE(isRealCell(found)) << index << " direction " << d << " gave " << found;
            ASSERT_EQ(sphere.cellIndex(copy), found);
        }
}

TEST_F(SphereLattice, LocateRejectsHolesAndTheOutside)
{
    latticeCursor cursor;
    EXPECT_FALSE(sphere.locate(6, cursor));  // row 0 has 6 cells
    EXPECT_TRUE(sphere.locate(160, cursor));
    EXPECT_EQ(cursor.i, 0);
    EXPECT_EQ(cursor.j, 1);
    EXPECT_FALSE(sphere.locate(-1, cursor));
    EXPECT_FALSE(sphere.locate(12640, cursor));
    EXPECT_TRUE(sphere.locate(12640 - 160 + 5, cursor));
    EXPECT_FALSE(sphere.locate(12640 - 160 + 6, cursor));
}

TEST_F(SphereLattice, CellPositionOnTheEquator)
{
    latticeCursor cursor{0, 39};
    float position[3];
    sphere.cellPosition(cursor, 39 * 160, position, 0.0f);
    EXPECT_NEAR(position[0], 0.0f, 1e-6f);
    EXPECT_NEAR(position[1], 0.0f, 1e-6f);
    EXPECT_FLOAT_EQ(position[2], 25.0f);
    sphere.cellPosition(cursor, 39 * 160, position, 4.0f);
    EXPECT_FLOAT_EQ(position[2], 25.98125f);

    latticeCursor quarter{40, 39};  // a quarter of the row: a quarter of 6.28 radians, just short of 90 degrees
    sphere.cellPosition(quarter, 39 * 160 + 40, position, 0.0f);
    EXPECT_NEAR(position[0], 25.0f * std::sin(1.57f), 1e-4f);
    EXPECT_NEAR(position[2], 25.0f * std::cos(1.57f), 1e-4f);
}

TEST_F(SphereLattice, NextCellReportsACursorOffTheLattice)
{
    latticeCursor hole{10, 0};
    testing::internal::CaptureStdout();
    EXPECT_EQ(sphere.nextCell(hole), 160);  // moves on to the next row
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "0:10 (#79:6)\n");

    latticeCursor past{0, 79};
    testing::internal::CaptureStdout();
    EXPECT_EQ(sphere.nextCell(past), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "79:0 (#79:0)\n");
    EXPECT_EQ(past.j, 79);

    latticeCursor onCell{2, 0};
    testing::internal::CaptureStdout();
    EXPECT_EQ(sphere.nextCell(onCell), 3);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

}  // namespace
