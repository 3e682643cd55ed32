// Terrain generation and the disaster on all three topologies.
#include "digest.h"
#include "environment.h"
#include "testWorlds.h"

#include <pthread.h>

#include <array>
#include <cmath>

namespace {

struct TerrainCase {
    int topology;
    std::uint64_t generated, struck;
    WorldSizes larger;
    double roughnessTolerance;  // a share of the default's roughness
};

class EveryTerrain : public testing::TestWithParam<TerrainCase> {};

// The recorded ground holds its range and the sphere's sharp coast; the struck land, which cells a
// disaster emptied.
TEST_P(EveryTerrain, GenerationAndDisastersAreAsRecorded)
{
    World world = growWorld(GetParam().topology, calendarSeed, 0);
    const terrain land = worldTerrain(world);
    Digest generated, struck;
    forEachCell(world, [&](int index, const latticeCursor&) { generated << land.environment(index); });
    EXPECT_EQ(generated.value, GetParam().generated);
    for (int index = 0; index < land.recordCount(); ++index) land.population(index) = 1.0f;
    for (int disaster = 0; disaster < 20; ++disaster) environmentDisaster(world);
    forEachCell(world, [&](int index, const latticeCursor&) { struck << land.environment(index) << land.population(index); });
    EXPECT_EQ(struck.value, GetParam().struck);
}

INSTANTIATE_TEST_SUITE_P(
    Topologies, EveryTerrain,
    testing::Values(TerrainCase{planeTopology, 0x334266dfba4285e0ull, 0x22b8516cf6bf42cdull, {240, 240}, 0.2},
                    TerrainCase{discTopology, 0xced561c4f8225cd5ull, 0x53ff71270ad582ddull, {80, 80, 120}, 0.1},
                    TerrainCase{sphereTopology, 0x2b0877ce836d8164ull, 0xae76f2a4decdd821ull, {80, 80, 40, 239}, 0.2}),
    [](const auto& info) { return std::string(topologyNames[info.param.topology]); });

// The share of the cells in each tenth of the ground's range, and the mean difference between
// neighbours one step along each axis of the lattice (the next position, the next row or ring),
// averaged over a few seeds: what a larger world must keep of the default's look.
struct GroundLook {
    std::array<double, 10> shares{};
    double roughness[2] = {};
};

GroundLook lookOf(int topology, const WorldSizes& sizes, int seeds)
{
    constexpr int steps[2] = {4, 6};  // the directions to the next cell along j and along i
    GroundLook look;
    for (int seed = 0; seed < seeds; ++seed) {  // seeds far apart: the first draws follow near seeds closely
        const World world = newWorld(topology, calendarSeed + static_cast<std::uint32_t>(seed) * 2654435761u, sizes);
        const std::vector<std::int32_t>& cells = world.currentLattice->walkOrder();
        const std::int32_t* neighbours = world.currentLattice->neighbourTable().data();
        double pairs[2] = {}, differences[2] = {};
        for (const std::int32_t index : cells) {
            const float ground = world.cells[index].field[environmentField];
            look.shares[std::min(static_cast<int>(ground * 10.0f), 9)] += 1.0 / static_cast<double>(cells.size() * seeds);
            for (int axis = 0; axis < 2; ++axis)
                if (const int k = neighbours[index * neighbourDirections + steps[axis]]; k != -1) {
                    pairs[axis] += 1.0;
                    differences[axis] += std::fabs(world.cells[k].field[environmentField] - ground);
                }
        }
        for (int axis = 0; axis < 2; ++axis) look.roughness[axis] += differences[axis] / pairs[axis] / seeds;
    }
    return look;
}

// Features keep their size in cells: a world three times the default's extent has more hills, arms
// or continents, not larger ones, so its ground is about as rough and its levels keep about their
// shares (within 5 points; they come within 4.3). Features grown with the
// world fail it: the plane's roughness falls to a third, the disc's along a ring by 12 %, the sphere's
// shares move by up to 19 points.
TEST_P(EveryTerrain, ALargerWorldKeepsTheDefaultsLevelsAndRoughness)
{
    const GroundLook standard = lookOf(GetParam().topology, {}, 16);
    const GroundLook larger = lookOf(GetParam().topology, GetParam().larger, 4);
    for (int tenth = 0; tenth < 10; ++tenth) EXPECT_NEAR(larger.shares[tenth], standard.shares[tenth], 0.05) << "tenth " << tenth;
    for (int axis = 0; axis < 2; ++axis)
        EXPECT_NEAR(larger.roughness[axis], standard.roughness[axis], GetParam().roughnessTolerance * standard.roughness[axis])
            << "axis " << axis;
}

// The highest ground a flood from a random cell paints: with a ramp too gentle to reach 1, only the
// depth limit ends its paths.
struct floodRun {
    World world;
    float highest = 0.0f;
};

void* floodToTheDepthLimit(void* run)
{
    floodRun& flood = *static_cast<floodRun*>(run);
    const terrain land = worldTerrain(flood.world);
    latticeCursor seed;
    const int start = land.ground.randomCell(land.random);
    land.ground.locate(start, seed);
    floodEnvironment(land, seed, start, 0.4f, 0.5f, 0.6f, 1e-5f, 0);
    for (int index = 0; index < land.recordCount(); ++index) flood.highest = std::max(flood.highest, land.environment(index));
    return nullptr;
}

// The flood runs on a thread with a sixteenth of the program's 8 MiB stack: the stack has room to spare.
TEST_P(EveryTerrain, AFloodStopsAtItsDepthLimitWithinAFractionOfTheStack)
{
    floodRun flood{growWorld(GetParam().topology, 1, 0)};
    for (Cell& cell : flood.world.cells) cell.field[environmentField] = 0.45f;
    float deepest = 0.6f;
    for (int level = 0; level < 1024; ++level) deepest += 1e-5f;  // the ramp's own float steps
    pthread_attr_t attributes;
    pthread_attr_init(&attributes);
    pthread_attr_setstacksize(&attributes, 512 * 1024);
    pthread_t thread;
    ASSERT_EQ(pthread_create(&thread, &attributes, floodToTheDepthLimit, &flood), 0);
    pthread_join(thread, nullptr);
    pthread_attr_destroy(&attributes);
    EXPECT_EQ(flood.highest, deepest);
}

}  // namespace
