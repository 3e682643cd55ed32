// The simulation step held by long runs to their recorded worlds; lineages, blends, mutation and the
// group ids are in them. Here the edges a run rarely meets: group membership and the brush's reach.
#include "digest.h"
#include "environment.h"
#include "groups.h"
#include "renderMode.h"
#include "simulationStep.h"
#include "testWorlds.h"
#include "worldActions.h"
#include "worldFile.h"
#include "worldHash.h"

namespace {

struct RunCase {
    int topology;
    bool rulesOn;
    std::uint64_t recorded;
};

class LongRun : public testing::TestWithParam<RunCase> {};

// 2000 steps with disasters, the rules as the program starts them or every switch turned the other
// way. The hash covers every field, group and link of every cell; the lineage labels are added.
TEST_P(LongRun, GrowsTheRecordedWorld)
{
    const int on = GetParam().rulesOn;
    RuleSwitches switches;
    switches.pollution = switches.humanRules = switches.lineages = on;
    switches.noSelfMutation = switches.spreadCost = !on;
    World world = growWorld(GetParam().topology, calendarSeed, 0, switches);
    world.disasterRate = 0.1f;
    for (int step = 0; step < 2000; ++step) simulationStep(world);
    Digest digest;
    digest << worldHash(world) << world.random.state();
    forEachCell(world, [&](int index, const latticeCursor&) { digest << world.cells[index].lineage; });
    EXPECT_EQ(digest.value, GetParam().recorded);
}

INSTANTIATE_TEST_SUITE_P(
    EveryTopology, LongRun,
    testing::Values(RunCase{planeTopology, false, 0x8efa0420c37af750ull}, RunCase{planeTopology, true, 0x436eb0227d73a5d9ull},
                    RunCase{discTopology, false, 0xe52a7ffd8918c45eull}, RunCase{discTopology, true, 0x8add20a7f927287cull},
                    RunCase{sphereTopology, false, 0xa72f0c51e71309c1ull}, RunCase{sphereTopology, true, 0xf52c34d4c24b0669ull}),
    [](const auto& info) { return std::string(topologyNames[info.param.topology]) + (info.param.rulesOn ? "RulesOn" : ""); });

// Committed along the walk, a world ends where its copy ends that commits after the walk, as one
// that may hold far parent links does, at sizes other than the default. A loaded world whose cells
// in the second half of the walk name the cell half a walk before as their parent keeps the commit
// after the walk, and so the recorded world.
TEST(CommitAlongTheWalk, EndsWhereTheCommitAfterTheWalkEnds)
{
    const std::uint64_t recordedWithFarParents[topologyCount] = {0xa063212181eb3887ull, 0xdfa6c4a98cec91b0ull,
                                                                 0xab85843c892c5b2dull};
    for (int topology = 0; topology < topologyCount; ++topology) {
        SCOPED_TRACE(topologyNames[topology]);
        const World grown = growWorld(topology, calendarSeed, 300, {}, WorldSizes{24, 16, 12, 21});
        World along = grown, after = grown;
        World farParents = grown;
        const std::vector<std::int32_t>& walk = grown.currentLattice->walkOrder();
        for (std::size_t late = walk.size() / 2; late < walk.size(); ++late) {
            Cell& cell = farParents.cells[walk[late]];
            cell.parent = walk[late - walk.size() / 2];
            cell.parentBirthStep = grown.cells[cell.parent].birthStep;
        }
        std::string error;
        farParents = worldFromFileBytes(worldFileBytes(farParents), error);
        for (int step = 0; step < 20; ++step) {
            after.farParents = -1;
            for (World* world : {&along, &after, &farParents}) simulationStep(*world);
        }
        EXPECT_EQ(worldHash(along), worldHash(after));
        EXPECT_EQ(along.farParents, 0) << "the commit along the walk is taken once it is sure";
        EXPECT_EQ(worldHash(farParents), recordedWithFarParents[topology]);
    }
}

// A step readies only the cells, and the holes between them once something may have written them
// since: saved after any step, disasters at every one, a world holds the bytes of one whose every
// record was readied before every step, after loading a file whose holes hold anything, making the
// terrain anew and a Kill All.
TEST(Holes, ASavedWorldHoldsThemAsWhenEveryRecordIsReadied)
{
    const std::function<void(World&)> actions[] = {
        [](World&) {},
        [](World& world) {
            const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
            std::int32_t firstHole = 0;
            while (walk[firstHole] == firstHole) ++firstHole;
            Cell& hole = world.cells[firstHole];
            hole.field[environmentField] = hole.field[populationField] = 0.25f;
            std::string error;
            world = worldFromFileBytes(worldFileBytes(world), error);
        },
        [](World& world) { generateEnvironment(world); },
        [](World& world) {
            killAll(world);
            seedLife(world, 6);
        },
    };
    for (const int topology : {discTopology, sphereTopology}) {
        SCOPED_TRACE(topologyNames[topology]);
        World world = newWorld(topology, calendarSeed, WorldSizes{8, 8, 12, 21});
        world.disasterRate = 1.0f;
        World everyRecord = world;
        for (const auto& action : actions) {
            action(world);
            action(everyRecord);
            for (int step = 0; step < 3; ++step) {
                simulationStep(world);
                for (Cell& record : everyRecord.cells) {
                    std::copy_n(record.field, cellFieldCount, record.next);
                    record.nextGroup = record.group;
                    record.overtaken = 0;
                }
                simulationStep(everyRecord);
            }
            EXPECT_EQ(worldFileBytes(world), worldFileBytes(everyRecord));
            EXPECT_TRUE(world.holesReady) << "until something writes them again";
        }
    }
}

// A zero deviation, or a field that is not a cell's, gives no member.
TEST(Groups, NoneBelongToAGroupOfNoWidthOrOfAFieldThatIsNotACells)
{
    Cell cell;
    std::fill_n(cell.field, cellFieldCount, 0.5f);
    std::fill_n(cell.next, cellFieldCount, 0.5f);
    for (const Group& none : {Group{1, 3, 0.5f, 0.0f, colourRed}, Group{1, -1, 0.5f, 0.4f, colourRed},
                              Group{1, cellFieldCount, 0.5f, 0.4f, colourRed}})
        EXPECT_EQ(membership(none, cell), 0.0f) << none.field;
}

// On a 30 x 40 plane the brush's full radius, the grid's diagonal, is 50 cells: at a tenth of it, a
// paint stroke reaches the cells closer than 5 cells and not those exactly 5 away.
TEST(Brush, ReachesTheCellsCloserThanItsRadiusAndNoFurther)
{
    const struct {
        int dx, dy;
        bool painted;
    } cases[] = {{0, 0, true},  {4, 2, true},  {-4, 2, true},   {0, -4, true},
                 {3, 4, false}, {5, 0, false}, {-4, -3, false}, {6, 1, false}};
    World world = newWorld(planeTopology, calendarSeed, WorldSizes{30, 40});
    const World before = world;
    int selected = -1;
    const int x0 = 10, y0 = 10, width = 30;
    touch(world, TouchView{selected, technologyMode}, x0 + width * y0, paintWithOne, 0.1f);
    for (const auto& at : cases) {
        const int index = x0 + at.dx + width * (y0 + at.dy);
        EXPECT_EQ(world.cells[index].field[technologyField] != before.cells[index].field[technologyField], at.painted)
            << at.dx << ", " << at.dy;
    }
}

}  // namespace
