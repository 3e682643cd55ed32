// The three lattices: which cells exist, how they neighbour and where they lie. Their random draws are
// held by the recorded worlds of the step, the terrain and the fuzzers' scripts.
#include "digest.h"
#include "world.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct LatticeCase {
    int topology;
    int realCells;
    std::uint64_t geometry;  // iteration, locate, positions and every neighbour, as recorded
};

class Lattice : public testing::TestWithParam<LatticeCase> {
protected:
    void SetUp() override
    {
        shape = makeLattice(GetParam().topology);
        shape->build();
        latticeCursor cursor;
        real.assign(shape->cellCount(), false);
        for (int index = shape->firstCell(cursor); index != -1; index = shape->nextCell(cursor)) real[index] = true;
    }
    std::unique_ptr<lattice> shape;
    std::vector<bool> real;
};

TEST_P(Lattice, IterationNeighboursAndPositionsAreSoundAndAsRecorded)
{
    Digest digest;
    latticeCursor cursor{7, 7};
    int count = 0, last = -1;
    for (int index = shape->firstCell(cursor); index != -1; index = shape->nextCell(cursor), ++count) {
        ASSERT_GT(index, last) << "increasing index order";
        last = index;
        ASSERT_EQ(shape->cellIndex(cursor), index);
        float position[3];
        ASSERT_EQ(shape->cellPosition(cursor, index, position, 2.0f), position);
        digest << index << cursor << position;
        for (int d = -1; d <= neighbourDirections; ++d) {
            latticeCursor moved = cursor;
            const int found = shape->neighbour(moved, index, d);
            digest << found << moved;
            ASSERT_TRUE(found != -1 || (moved.i == cursor.i && moved.j == cursor.j)) << "no cell: the cursor stays";
            if (found == -1) continue;
            ASSERT_TRUE(d >= 0 && d < neighbourDirections && real[found]) << index << " toward " << d << " gave " << found;
            ASSERT_EQ(shape->cellIndex(moved), found);
            const bool stepsBack = shape->neighbour(moved, found, shape->oppositeDirection(d)) == index;
            ASSERT_TRUE(stepsBack || GetParam().topology != planeTopology) << "the plane steps back from " << index;
        }
    }
    EXPECT_EQ(count, GetParam().realCells);
    for (int index = -1; index <= shape->cellCount(); ++index) {
        latticeCursor located;
        const bool accepted = shape->locate(index, located);
        const bool realCell = index >= 0 && index < shape->cellCount() && real[index];
        ASSERT_TRUE(accepted || !realCell) << index;
        ASSERT_TRUE(!accepted || shape->cellIndex(located) == index) << index;
        digest << accepted << located;
    }
    EXPECT_EQ(shape->oppositeDirection(2), 5);
    EXPECT_EQ(shape->oppositeDirection(8), -1);
    EXPECT_EQ(digest.value, GetParam().geometry);
}

INSTANTIATE_TEST_SUITE_P(EveryTopology, Lattice,
                         testing::Values(LatticeCase{planeTopology, 6400, 0x85d0fe8e3440def5ull},
                                         LatticeCase{discTopology, 4955, 0x4eaa435756f7e60bull},
                                         LatticeCase{sphereTopology, 8112, 0x9dc446f21cf1473cull}),
                         [](const auto& info) { return std::string(topologyNames[info.param.topology]); });

// Cases a person can check by hand: positions carried between rows and rings, and the sphere's
// report of a cursor off its lattice.
TEST(LatticeExamples, CarriedPositionsAndTheSpheresReportOfACursorOffIt)
{
    const auto sphere = makeLattice(sphereTopology), disc = makeLattice(discTopology);
    sphere->build();
    disc->build();
    latticeCursor north{159, 39}, outward{10, 32};
    EXPECT_EQ(sphere->neighbour(north, 39 * 160 + 159, 3), 6238) << "toward the north pole, the position carried over";
    EXPECT_EQ(disc->neighbour(outward, 10 * 246 + 32, 6), 2742) << "truncate(71.5 * 1.5) mod 71 on the next ring";
    EXPECT_EQ(std::tuple(north.i, north.j, outward.i, outward.j), std::tuple(158, 38, 11, 36));
    const struct {
        latticeCursor from;
        int next;
        const char* printed;
    } cases[] = {{{10, 0}, 160, "0:10 (#79:6)\n"}, {{0, 79}, -1, "79:0 (#79:0)\n"}};
    for (const auto& report : cases) {
        latticeCursor cursor = report.from;
        testing::internal::CaptureStdout();
        EXPECT_EQ(sphere->nextCell(cursor), report.next);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), report.printed);
    }
}

}  // namespace
