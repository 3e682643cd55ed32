// A world's history: every step back is the world that was there, an undo brings back a world with
// its past, the curves are the present world's own, and the budget bounds all that is held.
#include "simulationStep.h"
#include "statisticsRows.h"
#include "testWorlds.h"
#include "worldActions.h"
#include "worldHash.h"
#include "worldHistory.h"

#include <malloc.h>

#include <map>

namespace {

constexpr std::size_t mebibyte = std::size_t{1} << 20;

std::uint64_t fingerprint(const World& world) { return worldHash(world) ^ world.random.state(); }

// A world stepped and acted on through its history, with the fingerprint of each world it was.
struct Recorded {
    Recorded(World start, std::size_t budget) : world(std::move(start)), history(budget) { history.restart(world); }
    void steps(int count)
    {
        for (int step = 0; step < count; ++step) {
            history.step(world);
            seen[world.stepCount] = fingerprint(world);
        }
    }
    template <typename Change>
    void act(Change change)
    {
        history.beginAction(world);
        change(world);
        history.changed(world);
    }
    void back(int count)
    {
        for (int step = 0; step < count; ++step) ASSERT_TRUE(history.back(world)) << step;
    }
    // The steps of the curves' rows, which must run on one by one to the present world's.
    std::vector<int> rowSteps() const
    {
        std::vector<int> steps;
        for (const WorldStatistics& row : history.pastRows()) steps.push_back(row.step);
        return steps;
    }
    World world;
    WorldHistory history;
    std::map<int, std::uint64_t> seen;
};

std::vector<int> stepsUpTo(int last)
{
    std::vector<int> steps(last + 1);
    for (int step = 0; step <= last; ++step) steps[step] = step;
    return steps;
}

TEST(WorldHistory, BackAndForwardGoThroughTheWorldsThatWereThere)
{
    World start = growWorld(discTopology, calendarSeed, 0);
    start.disasterRate = 0.2f;
    Recorded run(start, 64 * mebibyte);
    run.steps(30);
    run.act([](World& world) { seedLife(world, 20); });
    run.seen[30] = fingerprint(run.world);
    run.steps(20);
    for (int present = 49; present >= 0; --present) {
        ASSERT_TRUE(run.history.back(run.world));
        EXPECT_EQ(fingerprint(run.world), present ? run.seen[present] : fingerprint(start)) << present;
    }
    EXPECT_FALSE(run.history.back(run.world)) << "nothing before the start";
    EXPECT_FALSE(run.history.pastDropped());
    for (int present = 1; present <= 50; ++present) {
        ASSERT_TRUE(run.history.forward(run.world));
        EXPECT_EQ(fingerprint(run.world), run.seen[present]) << present;
    }
    EXPECT_FALSE(run.history.forward(run.world)) << "the newest world";
    run.back(5);
    run.steps(1);
    EXPECT_EQ(run.history.newest(), 46) << "stepping on from the past drops the old future";
    EXPECT_FALSE(run.history.forward(run.world));
}

TEST(WorldHistory, UndoAndRedoBringBackAWorldWithItsPastAndTheCurvesAreThatWorldsOwn)
{
    Recorded run(growWorld(planeTopology, 3, 0), 64 * mebibyte);
    run.steps(82);
    const std::map<int, std::uint64_t> unseeded = run.seen;
    run.act([](World& world) { seedLife(world, 1); });
    const std::uint64_t seeded = fingerprint(run.world);
    run.steps(10);
    const std::uint64_t left = fingerprint(run.world);
    ASSERT_TRUE(run.history.undo(run.world));
    EXPECT_EQ(fingerprint(run.world), unseeded.at(82)) << "the world before the action";
    EXPECT_EQ(run.rowSteps(), stepsUpTo(82)) << "its curves run to its step";
    run.back(3);
    EXPECT_EQ(fingerprint(run.world), unseeded.at(79)) << "going back from it reaches the steps before the action";
    ASSERT_TRUE(run.history.redo(run.world));
    EXPECT_EQ(fingerprint(run.world), left) << "the world undone from";
    EXPECT_EQ(run.rowSteps(), stepsUpTo(92));
    run.back(10);
    EXPECT_EQ(fingerprint(run.world), seeded) << "with its past, the action included";
    run.back(1);
    EXPECT_EQ(fingerprint(run.world), unseeded.at(81));
    run.history.forward(run.world);
    run.history.forward(run.world);

    run.act(killAll);
    EXPECT_EQ(run.rowSteps(), std::vector<int>{0}) << "Kill All starts the count again";
    run.steps(5);
    EXPECT_EQ(run.rowSteps(), stepsUpTo(5));
    run.back(6);
    EXPECT_EQ(fingerprint(run.world), seeded) << "going back crosses Kill All";
    EXPECT_EQ(run.rowSteps(), stepsUpTo(82)) << "and the curves are the world's before it, in step order";
    run.act([](World& world) { setTopology(world, sphereTopology); });
    run.steps(3);
    run.back(4);
    EXPECT_EQ(fingerprint(run.world), unseeded.at(81)) << "and a new topology";
    EXPECT_EQ(run.world.topology, planeTopology);
    EXPECT_EQ(run.history.undoable(), 3u);
    EXPECT_EQ(run.history.redoable(), 0u) << "a new action ends what could be redone";
}

// Rows by position, the oldest let go a chunk at a time, and copies that share chunks yet change
// apart: each row here holds its position as its step.
TEST(StatisticsRows, KeepTheNewestRowsByPositionAndCopiesChangeApart)
{
    StatisticsRows rows(std::make_shared<std::size_t>(0));
    const auto row = [](int position) {
        WorldStatistics numbers;
        numbers.step = position;
        return numbers;
    };
    const int appended = StatisticsRows::keptRows + 150;
    for (int position = 0; position < appended; ++position) rows.append(row(position));
    EXPECT_EQ(rows.end(), appended);
    EXPECT_GT(rows.first(), 0) << "the oldest let go";
    EXPECT_GE(rows.end() - rows.first(), StatisticsRows::keptRows) << "and at least the newest kept";
    for (const int position : {rows.first(), rows.first() + 64, appended - 1}) EXPECT_EQ(rows.at(position).step, position);
    StatisticsRows copy = rows;
    copy.dropAfter(appended - 100);
    copy.replaceLast(row(-1));
    copy.append(row(-2));
    EXPECT_EQ(copy.end(), appended - 98);
    EXPECT_EQ(copy.at(appended - 100).step, -1);
    EXPECT_EQ(copy.at(appended - 99).step, -2);
    EXPECT_EQ(rows.at(appended - 100).step, appended - 100) << "the original keeps its rows";
    EXPECT_EQ(rows.end(), appended);
    copy.dropAfter(rows.first() - 1);
    EXPECT_EQ(copy.end(), copy.first()) << "nothing left";
}

// What one resident world beside its history takes of the heap, in bytes.
std::size_t heapInUse() { return mallinfo2().uordblks; }

TEST(WorldHistory, TheBudgetBoundsAllThatIsHeldAndTheDefaultKeepsTwentyActionsOfTheSphere)
{
    for (const std::size_t budget : {1 * mebibyte, 64 * mebibyte}) {
        const std::size_t heapBefore = heapInUse();
        Recorded run(growWorld(sphereTopology, 3, 600), budget);  // grown long, its copies compress least
        std::vector<std::uint64_t> before;
        for (int action = 0; action < 25; ++action) {
            before.push_back(fingerprint(run.world));
            run.act([](World& world) { seedLife(world, 1); });
            run.steps(2);
            ASSERT_LE(run.history.bytes(), budget) << action;
        }
        // The allocator's own reckoning, where it keeps one (not under AddressSanitizer).
        if (heapInUse() > 0) {
            EXPECT_LT(heapInUse() - heapBefore, budget + 4 * sizeof(Cell) * run.world.cells.size()) << budget;
        }
        EXPECT_TRUE(run.history.back(run.world)) << "the keyframe the present goes back from is kept longest";
        run.history.forward(run.world);
        before.push_back(fingerprint(run.world));
        run.act([](World& world) { seedLife(world, 1); });  // undone at once: its keyframe is kept on the way
        int undone = 0;
        while (run.history.undo(run.world)) {
            ++undone;
            EXPECT_EQ(fingerprint(run.world), before[26 - undone]) << undone;
        }
        EXPECT_EQ(run.history.unheldWorldBytes(), 0u) << "one copy fits in either budget";
        if (budget == mebibyte) {
            EXPECT_LT(undone, 20);
            EXPECT_TRUE(run.history.actionsDropped());
            EXPECT_TRUE(run.history.pastDropped());
        } else {
            EXPECT_EQ(undone, 26) << "all of them, far within 64 MiB";
            EXPECT_FALSE(run.history.actionsDropped());
        }
    }
    Recorded large(growWorld(planeTopology, 3, 0, {}, WorldSizes{1024, 1024}), mebibyte);
    large.steps(2);
    EXPECT_GT(large.history.unheldWorldBytes(), mebibyte) << "a world whose one copy outgrows the budget";
    EXPECT_LE(large.history.bytes(), mebibyte);
    EXPECT_FALSE(large.history.back(large.world));
}

}  // namespace
