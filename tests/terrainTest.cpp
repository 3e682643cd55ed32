// Terrain generation and the disaster on all three topologies.
#include "digest.h"
#include "environment.h"
#include "testWorlds.h"

#include <pthread.h>

namespace {

struct TerrainCase {
    int topology;
    std::uint64_t generated, struck;
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

INSTANTIATE_TEST_SUITE_P(Topologies, EveryTerrain,
                         testing::Values(TerrainCase{planeTopology, 0x334266dfba4285e0ull, 0x22b8516cf6bf42cdull},
                                         TerrainCase{discTopology, 0xced561c4f8225cd5ull, 0x53ff71270ad582ddull},
                                         TerrainCase{sphereTopology, 0x2b0877ce836d8164ull, 0xae76f2a4decdd821ull}),
                         [](const auto& info) { return std::string(topologyNames[info.param.topology]); });

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
