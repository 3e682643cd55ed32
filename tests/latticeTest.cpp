// The three lattices: which cells exist, how they neighbour and where they lie. Their random draws are
// held by the recorded worlds of the step, the terrain and the fuzzers' scripts.
#include "digest.h"
#include "spiralLattice.h"
#include "world.h"
#include "worldSize.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct LatticeCase {
    int topology;
    std::uint64_t geometry;  // iteration, locate, positions and every neighbour, as recorded
    latticeCursor hole;  // of the index space, where no tile is
};

class Lattice : public testing::TestWithParam<LatticeCase> {};

// The recorded geometry holds which cells there are and where each step leads; not cellIndex, the
// inverse of locate, nor the holes' tiles. The recorded pictures hold the tiles.
TEST_P(Lattice, IterationNeighboursAndPositionsAreAsRecorded)
{
    const auto shape = makeLattice(GetParam().topology);
    shape->build();
    Digest digest;
    latticeCursor cursor{7, 7};
    for (int index = shape->firstCell(cursor); index != -1; index = shape->nextCell(cursor)) {
        ASSERT_EQ(shape->cellIndex(cursor), index);
        float position[3];
        shape->cellPosition(cursor, index, position, 2.0f);
        digest << index << cursor << position;
        for (int d = -1; d <= neighbourDirections; ++d) {
            latticeCursor moved = cursor;
            const int found = shape->neighbour(moved, index, d);
            digest << found << moved;
            ASSERT_TRUE(found == -1 || shape->cellIndex(moved) == found) << index << " toward " << d;
        }
    }
    for (int index = -1; index <= shape->cellCount(); ++index) {
        latticeCursor located;
        const bool accepted = shape->locate(index, located);
        ASSERT_TRUE(!accepted || shape->cellIndex(located) == index) << index;
        digest << accepted << located;
    }
    EXPECT_EQ(std::tuple(shape->oppositeDirection(2), shape->oppositeDirection(8)), std::tuple(5, -1));
    EXPECT_EQ(digest.value, GetParam().geometry);
    const latticeCursor hole = GetParam().hole;
    float corners[4][3];
    EXPECT_TRUE(hole.i < 0 || !shape->tileCorners(hole, shape->cellIndex(hole), 0.0f, 0.5f, corners));
}

INSTANTIATE_TEST_SUITE_P(EveryTopology, Lattice,
                         testing::Values(LatticeCase{planeTopology, 0x85d0fe8e3440def5ull, {-1, -1}},
                                         LatticeCase{discTopology, 0x4eaa435756f7e60bull, {0, 5}},
                                         LatticeCase{sphereTopology, 0x9dc446f21cf1473cull, {10, 0}}),
                         [](const auto& info) { return std::string(topologyNames[info.param.topology]); });

// At the smallest size and a large one, every cell has a tile of some area but the disc's centre
// ring, whose two cells meet at the centre: a ring of more cells than a turn has degrees gives none
// of them a tile of no width.
TEST_P(Lattice, AtEverySizeEveryCellHasATileOfItsOwn)
{
    const WorldSizes smallest{smallestPlaneSide, smallestPlaneSide, fewestDiscRings, fewestSphereRows};
    const WorldSizes large{300, 200, 100, 201};
    for (const WorldSizes& sizes : {smallest, large}) {
        const auto shape = makeLattice(GetParam().topology, sizes);
        shape->build();
        latticeCursor cursor;
        int flat = 0;
        for (int index = shape->firstCell(cursor); index != -1; index = shape->nextCell(cursor)) {
            float c[4][3];
            shape->tileCorners(cursor, index, 0.0f, 1.0f, c);
            const float cross[3] = {(c[2][1] - c[0][1]) * (c[3][2] - c[1][2]) - (c[2][2] - c[0][2]) * (c[3][1] - c[1][1]),
                                    (c[2][2] - c[0][2]) * (c[3][0] - c[1][0]) - (c[2][0] - c[0][0]) * (c[3][2] - c[1][2]),
                                    (c[2][0] - c[0][0]) * (c[3][1] - c[1][1]) - (c[2][1] - c[0][1]) * (c[3][0] - c[1][0])};
            flat += std::abs(cross[0]) + std::abs(cross[1]) + std::abs(cross[2]) < 1e-4f;
        }
        EXPECT_EQ(flat, GetParam().topology == discTopology ? 2 : 0) << sizeText(GetParam().topology, sizes);
    }
}

// What a size is said to need before it is built covers what a world of that size then holds, the
// lattice's own geometry aside, and not by much more: the refusal of a size too large for the memory
// states this figure.
TEST_P(Lattice, AWorldHoldsWhatItsSizeWasSaidToNeed)
{
    for (const WorldSizes& sizes : {WorldSizes{}, WorldSizes{300, 200, 100, 201}}) {
        const int topology = GetParam().topology;
        const World world = newWorld(topology, 1, sizes);
        const lattice& shape = *world.currentLattice;
        const double held =
            static_cast<double>(world.cells.capacity() * sizeof(Cell) + world.lineageStack.capacity() * sizeof(LineageFrame) +
                                (shape.walkOrder().capacity() + shape.neighbourTable().capacity()) * sizeof(std::int32_t));
        const double said = static_cast<double>(worldBytesOf(topology, sizes));
        EXPECT_GE(said, held) << sizeText(topology, sizes);
        EXPECT_LE(said, 1.2 * held) << sizeText(topology, sizes);
    }
}

// A cursor off the sphere's lattice is reported, and nextCell carries it to the next row or ends.
TEST(LatticeExamples, TheSphereReportsACursorOffIt)
{
    const auto sphere = makeLattice(sphereTopology);
    sphere->build();
    latticeCursor pastItsRow{10, 0}, belowTheRows{0, 79};
    testing::internal::CaptureStdout();
    EXPECT_EQ(sphere->nextCell(pastItsRow), 160);
    EXPECT_EQ(sphere->nextCell(belowTheRows), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "0:10 (#79:6)\n79:0 (#79:0)\n");
}

// The disc's rings grow from two cells at the centre to the longest at the rim, and together hold
// every cell; a ring before the first or past the last has none.
TEST(LatticeExamples, TheDiscsRingsRunFromTheCentreToTheRimAndNoFurther)
{
    const auto disc = makeLattice(discTopology);
    disc->build();
    const auto& rings = dynamic_cast<const spiralLattice&>(*disc);
    int cells = 0;
    for (int ring = 0; ring < rings.numRings(); ++ring) cells += rings.ringSize(ring);
    EXPECT_EQ(cells, static_cast<int>(disc->walkOrder().size()));
    EXPECT_EQ(rings.ringSize(0), 2);
    EXPECT_EQ(rings.ringSize(rings.numRings() - 1) * rings.numRings(), disc->cellCount()) << "the rim is the longest ring";
    EXPECT_EQ(rings.ringSize(-1), 0);
    EXPECT_EQ(rings.ringSize(rings.numRings()), 0);
}

}  // namespace
