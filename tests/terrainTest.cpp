// Terrain generation and the disaster on all three topologies.
#include "environment.h"
#include "generatorControl.h"
#include "planeLattice.h"
#include "sphereLattice.h"
#include "spiralLattice.h"
#include "world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <pthread.h>
#include <set>
#include <vector>

namespace {

// A world of the given topology with every record's Environment set to ground and Population to 1.
class Terrain : public testing::Test {
protected:
    void TearDown() override { world = World{}; }

    static terrain buildWorld(int topology, float ground = 0.5f)
    {
        world = World{};
        EXPECT_EQ(setTopology(topology), 1);
        const terrain land = worldTerrain();
        for (int index = 0; index < land.recordCount(); ++index) {
            land.environment(index) = ground;
            land.population(index) = 1.0f;
        }
        return land;
    }

    static std::vector<float> environments()
    {
        std::vector<float> values;
        for (int index = 0; index < world.cellCount; ++index) values.push_back(world.cells[index].field[environmentField]);
        return values;
    }

    // Every real cell of the world, visited in lattice order.
    template <typename Visit>
    static void forEachCell(Visit visit)
    {
        latticeCursor cursor;
        for (int cell = world.currentLattice->firstCell(cursor); cell != -1; cell = world.currentLattice->nextCell(cursor))
            visit(cell, cursor);
    }
};

TEST_F(Terrain, PlaneGenerationStaysInTheUnitRange)
{
    for (std::uint32_t seed : {1u, 7u, 2026u}) {
        buildWorld(planeTopology);
        generator::seed(seed);
        generateEnvironment();
        float lowest = 1.0f;
        float highest = 0.0f;
        for (float ground : environments()) {
            ASSERT_GE(ground, 0.0f);
            ASSERT_LE(ground, 1.0f);
            lowest = std::min(lowest, ground);
            highest = std::max(highest, ground);
        }
        EXPECT_LT(lowest, highest) << "the plane has relief";
    }
}

TEST_F(Terrain, ReliefAtDepthZeroIsOneConeOfTheBump)
{
    const terrain land = buildWorld(planeTopology);
    generator::seed(11);
    const float bump = 2.0f * u() - 1.0f;
    generator::seed(11);
    planeRelief(land, 1.0f, 0, 0, 80, 80, 0);
    EXPECT_EQ(land.environment(40 * 80 + 40), std::min(1.0f, std::max(0.0f, 0.5f + bump)));
    EXPECT_EQ(land.environment(0), 0.5f);
    EXPECT_EQ(land.environment(79 * 80 + 79), 0.5f);
    EXPECT_EQ(land.environment(40 * 80), 0.5f);  // at the cone's rim, 40 cells away: weight 0
    EXPECT_NE(land.environment(40 * 80 + 1), 0.5f);
}

TEST_F(Terrain, ReliefRecursesDownToOneAndTwoCellRectangles)
{
    const terrain land = buildWorld(planeTopology);
    // A 2 x 2 rectangle: its cone reaches only its centre cell; its four 1-cell quadrants draw a
    // bump each but have no cone.
    generator::seed(5);
    const std::uint32_t before = generator::state();
    const float bump = 2.0f * u() - 1.0f;
    generator::setState(before);
    planeRelief(land, 0.4f, 10, 20, 12, 22, 1);
    EXPECT_EQ(drawsBetween(before, generator::state()), 6);
    EXPECT_FLOAT_EQ(land.environment(21 * 80 + 11), 0.5f + 0.4f * bump);
    for (int index : {20 * 80 + 10, 20 * 80 + 11, 21 * 80 + 10}) EXPECT_EQ(land.environment(index), 0.5f);

    // The whole grid: 1 + 4 + ... + 4^6 calls with a bump each, and one nested amplitude in each of
    // the 1365 calls above the last level.
    const std::uint32_t start = generator::state();
    planeRelief(land, 1.0f, 0, 0, 80, 80, 6);
    EXPECT_EQ(drawsBetween(start, generator::state()), 5461 + 1365);
}

// A plane whose random neighbours follow a script, so that each smoothing try is chosen.
class scriptedPlane : public planeLattice {
public:
    scriptedPlane() : planeLattice(2, 1, 1.0f) {}
    int randomNeighbour(latticeCursor& cursor, int index, int* directionOut) const override
    {
        const int direction = script.front();
        script.pop_front();
        if (directionOut) *directionOut = direction;
        return neighbour(cursor, index, direction);
    }
    mutable std::deque<int> script;
};

TEST(Smoothing, PairsMoveThirtyFiveAndSixtyFivePercent)
{
    scriptedPlane pair;
    struct {
        float field[12];
    } records[2] = {};
    records[0].field[4] = 0.0f;
    records[1].field[4] = 1.0f;
    const terrain land(pair, records[0].field, sizeof(records[0]), 2);
    // Cell 0: east (a pair), north-west (no cell: lost), east, lost. Cell 1: all four lost.
    pair.script = {6, 0, 6, 0, 7, 7, 7, 7};
    smoothField(land, 4);
    EXPECT_FLOAT_EQ(records[0].field[4], 0.35f * 0.3f + 0.35f);  // 0 -> 0.35, then 35 % of the 0.3 gap
    EXPECT_FLOAT_EQ(records[1].field[4], 0.35f + 0.65f * 0.3f);
    EXPECT_EQ(records[0].field[0], 0.0f);  // other fields untouched
    EXPECT_TRUE(pair.script.empty());
}

TEST_F(Terrain, FloodPaintsTheBandWithARampThatStopsPastOne)
{
    const terrain land = buildWorld(planeTopology);
    latticeCursor seed{40, 40};
    floodEnvironment(land, seed, 40 * 80 + 40, 0.4f, 0.6f, 0.9f, 0.03f, 0);

    EXPECT_FLOAT_EQ(land.environment(40 * 80 + 40), 0.9f);
    forEachCell([&](int cell, const latticeCursor& at) {
        const int distance = std::max(std::abs(at.i - 40), std::abs(at.j - 40));
        const float ground = land.environment(cell);
        if (ground == 0.5f) {
            EXPECT_GT(distance, 1) << "every neighbour of the seed is painted";
            EXPECT_EQ(land.population(cell), 1.0f);
            return;
        }
        EXPECT_EQ(land.population(cell), 0.0f);
        EXPECT_LE(distance, 3) << "the ramp stops before 1.02";
        const int level = static_cast<int>(std::lround((ground - 0.9f) / 0.03f));
        EXPECT_GE(level, distance);
        EXPECT_LE(level, 3);
        EXPECT_NEAR(ground, 0.9f + 0.03f * level, 1e-5f);
    });
}

TEST_F(Terrain, FloodWithARampPointingBackChangesNothing)
{
    const terrain land = buildWorld(planeTopology);
    latticeCursor seed{10, 10};
    floodEnvironment(land, seed, 810, 0.4f, 0.6f, 0.3f, 0.05f, 0);
    floodEnvironment(land, seed, 810, 0.4f, 0.6f, 0.7f, -0.05f, 0);
    for (float ground : environments()) ASSERT_EQ(ground, 0.5f);
    EXPECT_EQ(land.population(810), 1.0f);
}

struct deepFlood {
    int topology;
    float highest = 0.0f;
};

void* floodToTheDepthLimit(void* argument)
{
    auto* run = static_cast<deepFlood*>(argument);
    const terrain land = worldTerrain();
    latticeCursor seed;
    const int start = land.ground.randomCell();
    land.ground.locate(start, seed);
    floodEnvironment(land, seed, start, 0.4f, 0.5f, 0.6f, 1e-5f, 0);
    for (int index = 0; index < land.recordCount(); ++index) run->highest = std::max(run->highest, land.environment(index));
    return nullptr;
}

// With a ramp too gentle to reach 1, only the depth limit ends the flood's paths. It runs here on a
// thread with a sixteenth of the usual 8 MiB stack, to show the program's stack has room to spare.
TEST_F(Terrain, FloodReachesItsDepthLimitWithinAFractionOfTheStack)
{
    constexpr std::size_t smallStack = 512 * 1024;
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        buildWorld(topology, 0.45f);
        generator::seed(3);
        deepFlood run{topology};
        pthread_attr_t attributes;
        pthread_attr_init(&attributes);
        pthread_attr_setstacksize(&attributes, smallStack);
        pthread_t thread;
        ASSERT_EQ(pthread_create(&thread, &attributes, floodToTheDepthLimit, &run), 0);
        pthread_join(thread, nullptr);
        pthread_attr_destroy(&attributes);

        float deepest = 0.6f;
        for (int level = 0; level < 1024; ++level) deepest += 1e-5f;  // the ramp's own float steps
        EXPECT_EQ(run.highest, deepest) << "topology " << topology;
    }
}

TEST_F(Terrain, RaiseChanceOneAlwaysRaisesAndZeroSinks)
{
    buildWorld(sphereTopology);
    const terrain land = worldTerrain();
    for (int stroke = 0; stroke < 200; ++stroke) {
        for (float chance : {1.0f, 0.0f}) {
            fillEnvironment(land, 0.5f);
            const std::uint32_t before = generator::state();
            const int seedCell = land.ground.randomCell();
            generator::setState(before);
            environmentStroke(land, chance);
            if (chance == 1.0f) {
                ASSERT_GE(land.environment(seedCell), 0.5f);
            } else {
                ASSERT_LE(land.environment(seedCell), 0.5f);
            }
        }
    }
}

TEST_F(Terrain, SphereHasASharpCoast)
{
    // Calendar-time seeds, as the program uses: small seeds make the first draws tiny, and with a
    // raise chance near 0 every plateau sinks and the sphere has no land.
    for (std::uint32_t seed : {1733500000u, 1765000000u}) {
        buildWorld(sphereTopology);
        generator::seed(seed);
        generateEnvironment();
        int high = 0;
        for (int index = 0; index < world.cellCount; ++index) {
            const float ground = world.cells[index].field[environmentField];
            ASSERT_FALSE(ground > 0.35f && ground < 0.65f) << ground << " at " << index;
            ASSERT_GE(ground, 0.0f);
            ASSERT_LE(ground, 1.0f);
            high += ground >= 0.65f;
        }
        EXPECT_GT(high, 0);
    }
}

TEST_F(Terrain, HighGroundRisesTowardTheEquator)
{
    const terrain land = buildWorld(sphereTopology);
    const int equatorCell = 39 * 160 + 10;
    const int middleCell = 20 * 160 + 10;
    land.environment(equatorCell) = 0.6f;
    land.environment(39 * 160 + 11) = 0.5f;
    land.environment(3) = 0.6f;
    land.environment(78 * 160 + 3) = 0.6f;
    land.environment(middleCell) = 0.6f;
    liftTowardEquator(land, dynamic_cast<const sphereLattice&>(land.ground));
    EXPECT_EQ(land.environment(equatorCell), 1.0f);
    EXPECT_EQ(land.environment(39 * 160 + 11), 0.5f);
    EXPECT_EQ(land.environment(3), 0.6f);
    EXPECT_EQ(land.environment(78 * 160 + 3), 0.6f);
    const float closeness = 1.0f - 19.0f / 39.0f;
    EXPECT_FLOAT_EQ(land.environment(middleCell), 0.6f + closeness * closeness * closeness);
}

TEST_F(Terrain, DiscPlateauBeforeSmoothing)
{
    const terrain land = buildWorld(discTopology, 0.0f);
    raiseDiscPlateau(land, dynamic_cast<const spiralLattice&>(land.ground));
    const float plateau[] = {1.0f, 0.975f, 0.95f, 0.925f, 0.9f};
    forEachCell([&](int cell, const latticeCursor& at) {
        if (at.i < 5) {
            EXPECT_FLOAT_EQ(land.environment(cell), plateau[at.i]) << "ring " << at.i;
        } else {
            EXPECT_EQ(land.environment(cell), 0.0f) << "ring " << at.i;
        }
    });
}

TEST_F(Terrain, EveryDiscArmEndsAtTheRim)
{
    const terrain land = buildWorld(discTopology, 0.5f);
    const auto& disc = dynamic_cast<const spiralLattice&>(land.ground);
    generator::seed(17);
    for (int stroke = 0; stroke < 200; ++stroke) {
        ASSERT_EQ(paintDiscArm(land, disc, stroke), 39);
    }
    generateEnvironment();
    for (float ground : environments()) {
        ASSERT_GE(ground, 0.0f);
        ASSERT_LE(ground, 1.0f);
    }
}

// The walk's own draws: the start cell, the target, the number of steps.
struct walkPlan {
    int start;
    float target;
    int steps;
};

walkPlan planOf(const lattice& ground, std::uint32_t state)
{
    const std::uint32_t saved = generator::state();
    generator::setState(state);
    walkPlan plan{ground.randomCell(), static_cast<float>(u()), generator::rand() % 30};
    generator::setState(saved);
    return plan;
}

TEST_F(Terrain, DisasterWalksPullTheGroundHalfwayAndEmptyTheCells)
{
    for (int topology : {planeTopology, discTopology}) {
        for (std::uint32_t seed = 1; seed < 40; ++seed) {
            buildWorld(topology, 0.5f);
            generator::seed(seed);
            const walkPlan plan = planOf(*world.currentLattice, generator::state());
            environmentDisaster();
            int emptied = 0;
            forEachCell([&](int cell, const latticeCursor&) {
                const Cell& record = world.cells[cell];
                if (record.field[populationField] == 1.0f) {
                    EXPECT_EQ(record.field[environmentField], 0.5f);
                    return;
                }
                ++emptied;
                // Halfway toward the target per visit: 1/2, 3/4, ... of the way.
                const float moved = (record.field[environmentField] - 0.5f) / (plan.target - 0.5f);
                EXPECT_GE(moved, 0.5f - 1e-4f);
                EXPECT_LE(moved, 1.0f + 1e-4f);
            });
            EXPECT_LE(emptied, plan.steps);
            EXPECT_LE(emptied, 29);
            if (plan.steps > 0) {
                EXPECT_EQ(world.cells[plan.start].field[populationField], 0.0f);
            }
        }
    }
}

TEST_F(Terrain, DisasterFromAPlaneCornerUsuallyEndsEarly)
{
    buildWorld(planeTopology);
    int steps = 0;
    int emptied = 0;
    for (std::uint32_t variant = 0; variant < 300; ++variant) {
        fillEnvironment(worldTerrain(), 0.5f);
        for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[populationField] = 1.0f;
        const std::uint32_t state = stateBefore(0, variant * 211u);  // rand() mod 6400 = 0: the corner (0, 0)
        ASSERT_EQ(planOf(*world.currentLattice, state).start, 0);
        steps += planOf(*world.currentLattice, state).steps;
        generator::setState(state);
        environmentDisaster();
        for (int index = 0; index < world.cellCount; ++index) emptied += world.cells[index].field[populationField] == 0.0f;
    }
    // Five of the eight directions at a corner lead off the plane.
    EXPECT_LT(emptied * 4, steps);
}

TEST_F(Terrain, SphereDisasterIsOneStroke)
{
    buildWorld(sphereTopology);
    generator::seed(8);
    environmentDisaster();
    const std::vector<float> afterDisaster = environments();
    const std::uint32_t end = generator::state();

    buildWorld(sphereTopology);
    generator::seed(8);
    const float chance = u();
    environmentStroke(worldTerrain(), chance);
    EXPECT_EQ(environments(), afterDisaster);
    EXPECT_EQ(generator::state(), end);
}

TEST_F(Terrain, SameSeedSameTerrainOnEveryTopology)
{
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        world = World{};
        generator::seed(123);
        ASSERT_EQ(setTopology(topology), 1);
        const std::vector<float> first = environments();
        world = World{};
        generator::seed(123);
        ASSERT_EQ(setTopology(topology), 1);
        EXPECT_EQ(environments(), first) << "topology " << topology;
        generator::seed(124);
        generateEnvironment();
        EXPECT_NE(environments(), first) << "topology " << topology;
    }
}

TEST_F(Terrain, NothingHappensOnAnEmptyWorld)
{
    world = World{};
    const std::uint32_t before = generator::state();
    generateEnvironment();
    environmentDisaster();
    EXPECT_EQ(generator::state(), before);
}

}  // namespace
