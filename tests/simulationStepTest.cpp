// The simulation step: what a visit does, the draws it makes, and the order of visits.
#include "generatorControl.h"
#include "planeLattice.h"
#include "programClock.h"
#include "simulationStep.h"
#include "world.h"
#include "worldActions.h"
#include "worldSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

class SimulationStep : public testing::Test {
protected:
    void SetUp() override
    {
        world = World{};
        disasterRate = 0.0f;
        feedRules();
    }
    void TearDown() override
    {
        world = World{};
        disasterRate = 0.0f;
        setMillisecondSource(nullptr);
    }

    // A world on a plane strip of width x 1 cells, every cell without life and on ground 0.5.
    static void useStrip(int width)
    {
        const std::uint32_t saved = generator::state();
        world = World{};
        world.currentLattice = std::make_unique<planeLattice>(width, 1, 1.0f);
        world.cells = std::make_unique<Cell[]>(static_cast<size_t>(width));
        world.lineageStack = std::make_unique<LineageFrame[]>(static_cast<size_t>(width));
        world.cellCount = width;
        world.topology = planeTopology;
        for (int index = 0; index < width; ++index) world.cells[index].field[environmentField] = 0.5f;
        feedRules();
        generator::setState(saved);
    }

    // A living cell whose traits are all value, Population 1 and a culture fitting its ground.
    static Cell& living(int index, float value)
    {
        Cell& cell = world.cells[index];
        for (int f = groupMembershipField; f < cellFieldCount; ++f) cell.field[f] = value;
        cell.field[populationField] = 1.0f;
        cell.field[phenotypeField] = cell.field[environmentField];
        return cell;
    }

    // Runs one step from each seed 1, 2, ... on a world set up afresh, until taken says the
    // outcome wanted happened; returns that seed.
    template <typename SetUp, typename Taken>
    static std::uint32_t stepUntil(SetUp setUp, Taken taken, std::uint32_t limit = 20000)
    {
        for (std::uint32_t seed = 1; seed < limit; ++seed) {
            setUp();
            generator::seed(seed);
            simulationStep();
            if (taken()) return seed;
        }
        ADD_FAILURE() << "no seed below " << limit << " gave the outcome";
        return 0;
    }
};

TEST_F(SimulationStep, AnEmptyWorldOnlyStampsTheTime)
{
    setMillisecondSource(readFake);
    fakeMilliseconds = 0;
    startClock();
    fakeMilliseconds = 2500;
    const std::uint32_t before = generator::state();
    simulationStep();
    EXPECT_FLOAT_EQ(world.lastStepTime, 2.5f);
    EXPECT_EQ(getStepCount(), 0);
    EXPECT_EQ(generator::state(), before);
}

TEST_F(SimulationStep, EmptyCellsDrawNothingOfTheirOwn)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    killAll();
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[technologyField] = 0.0f;
    const std::uint64_t cells = world.cellCount;
    const std::uint32_t before = generator::state();
    simulationStep();
    EXPECT_EQ(drawsBetween(before, generator::state()), 1) << "only the disaster check";
    EXPECT_EQ(getStepCount(), 1);
    EXPECT_EQ(static_cast<std::uint64_t>(world.cellCount), cells);
    for (int index = 0; index < world.cellCount; ++index) ASSERT_EQ(world.cells[index].field[populationField], 0.0f);
}

TEST_F(SimulationStep, DisasterRateOneStrikesEveryStepZeroNever)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    killAll();
    disasterRate = 1.0f;
    // Even the largest draw, 32767, stays below 1 in the comparison.
    generator::setState(stateBefore(generator::randMax));
    for (int step = 0; step < 50; ++step) {
        const std::uint32_t before = generator::state();
        simulationStep();
        ASSERT_GE(drawsBetween(before, generator::state()), 4) << "check, cell, target, steps at least";
    }
    disasterRate = 0.0f;
    for (int step = 0; step < 50; ++step) {
        const std::uint32_t before = generator::state();
        simulationStep();
        ASSERT_EQ(drawsBetween(before, generator::state()), 1);
    }
}

TEST_F(SimulationStep, AnEmptyCellIsTakenOverWhole)
{
    const auto setUp = [] {
        useStrip(2);
        Cell& attacker = living(0, 0.5f);
        attacker.field[spreadRateField] = 1.0f;
        for (int k = 0; k < 3; ++k) attacker.field[cultureRedField + k] = 0.2f + 0.3f * static_cast<float>(k);
        attacker.group = Group{3, technologyField, 0.5f, 0.4f, colourYellow};
        attacker.birthStep = 0;
    };
    stepUntil(setUp, [] { return world.cells[1].birthStep == 1; });
    const Cell& taken = world.cells[1];
    const Cell& attacker = world.cells[0];
    // Blend 1: fields 3..11 and the colour as the attacker had them; mutate changes nothing in a
    // cell whose current Population is 0.
    for (int f : {int{metabolismField}, int{terraformField}, int{assimilateField}, int{technologyField}})
        EXPECT_EQ(taken.field[f], 0.5f) << cellFieldNames[f];
    EXPECT_EQ(taken.field[spreadRateField], 1.0f);
    EXPECT_EQ(taken.parent, 0);
    EXPECT_EQ(taken.field[cultureRedField], 0.2f);
    EXPECT_EQ(taken.field[cultureGreenField], 0.5f);
    EXPECT_EQ(taken.field[cultureBlueField], 0.8f);
    EXPECT_EQ(taken.field[phenotypeField], 0.5f);
    EXPECT_GT(taken.field[populationField], 0.025f) << "the attack that beat the empty cell's defence";
    EXPECT_EQ(taken.group.id, 3) << "it joins the conqueror's group";
    EXPECT_EQ(taken.birthStep, 1);
    EXPECT_EQ(taken.parentBirthStep, attacker.birthStep);
    EXPECT_EQ(taken.field[groupMembershipField], 0.5f);
}

TEST_F(SimulationStep, ACellStruckByDisasterRegrowsOnItsTechnology)
{
    // Population 0 but Technology 0.5: K = 0.15. Draws: the disaster check, the cell's chance to
    // act (Metabolism 1: 0.9), its growth.
    const std::uint32_t state = findState(3, [](const std::vector<int>& d) { return uniformOf(d[1]) <= 0.9f && d[2] > 0; });
    const float growth = uniformOf(peekDraws(state, 3)[2]);
    useStrip(1);
    Cell& cell = world.cells[0];
    cell.field[technologyField] = 0.5f;
    cell.field[metabolismField] = 1.0f;
    cell.field[phenotypeField] = 0.5f;
    generator::setState(state);
    simulationStep();
    // Fit 1: capacity 1, crowding 1, no misfit, so the growth share is K itself.
    EXPECT_FLOAT_EQ(cell.field[populationField], growth * 0.15f);
    EXPECT_GT(cell.field[populationField], 0.0f);
}

TEST_F(SimulationStep, HumanRulesStopTerraforming)
{
    const auto run = [](int human) {
        useStrip(1);
        Cell& cell = living(0, 0.0f);
        cell.field[populationField] = 0.5f;
        cell.field[terraformField] = 1.0f;
        cell.field[metabolismField] = 1.0f;
        cell.field[environmentField] = 0.2f;
        cell.field[phenotypeField] = 0.8f;
        humanRulesOn = human;
        feedRules();
        generator::setState(stateBefore(0));  // no disaster, and the cell acts
        simulationStep();
        humanRulesOn = 0;
        return cell.field[environmentField];
    };
    EXPECT_EQ(run(1), 0.2f) << "no misfit stress, so no terraforming";
    EXPECT_GT(run(0), 0.2f) << "without human rules the ground moves toward the phenotype";
}

TEST_F(SimulationStep, AnOvertakenCellLivesOnItsOldCultureForTheRestOfTheStep)
{
    // Attacker 0 takes the middle cell 1, which is visited later: it skips its own growth and
    // adaptation, keeps up its old group, and still spreads its old culture into empty cell 2.
    const auto setUp = [] {
        useStrip(3);
        Cell& attacker = living(0, 0.5f);
        attacker.field[spreadRateField] = 1.0f;
        attacker.field[phenotypeField] = 0.3f;
        attacker.field[groupMembershipField] = 0.1f;
        attacker.group = Group{9, terraformField, 0.5f, 0.4f, colourRed};
        Cell& middle = living(1, 0.5f);
        middle.field[populationField] = 0.2f;
        middle.field[spreadRateField] = 1.0f;
        middle.field[technologyField] = 0.0f;
        middle.field[phenotypeField] = 0.7f;
        middle.field[groupMembershipField] = 0.9f;
        middle.field[cultureRedField] = 0.25f;
        middle.group = Group{5, terraformField, 0.5f, 0.4f, colourBlue};
    };
    const int groupsBefore = 0;
    stepUntil(setUp, [] { return world.cells[1].birthStep == 1 && world.cells[2].birthStep == 1 && world.nextGroupId == 0; });
    const Cell& middle = world.cells[1];
    const Cell& farther = world.cells[2];
    EXPECT_EQ(world.nextGroupId, groupsBefore);
    EXPECT_EQ(middle.group.id, 5) << "the upkeep of its old group replaced the conqueror's";
    EXPECT_EQ(middle.field[phenotypeField], 0.3f) << "the conqueror's phenotype, not adapted";
    EXPECT_EQ(farther.field[phenotypeField], 0.7f) << "spread with its old culture";
    EXPECT_EQ(farther.field[cultureRedField], 0.25f);
    EXPECT_EQ(farther.group.id, 5);
}

TEST_F(SimulationStep, VisitingOrderDecidesWhetherTheTargetLivedFirst)
{
    // A terraforming target far from its phenotype moves its ground when it lives its own visit.
    // Visited after its conqueror it does not; visited before, it usually has.
    const auto stripWithTargetAt = [](int target, int attacker) {
        return [target, attacker] {
            useStrip(2);
            Cell& conqueror = living(attacker, 0.5f);
            conqueror.field[spreadRateField] = 1.0f;
            Cell& victim = living(target, 0.0f);
            victim.field[populationField] = 0.3f;
            victim.field[metabolismField] = 1.0f;
            victim.field[terraformField] = 1.0f;
            victim.field[environmentField] = 0.1f;
            victim.field[phenotypeField] = 0.9f;
        };
    };
    int movedAfter = 0;
    int movedBefore = 0;
    std::uint32_t seed = 1;
    for (int found = 0; found < 20; ++found) {
        const auto setUp = stripWithTargetAt(1, 0);
        for (;; ++seed) {
            setUp();
            generator::seed(seed);
            simulationStep();
            if (world.cells[1].birthStep == 1) break;
        }
        movedAfter += world.cells[1].field[environmentField] != 0.1f;
        ++seed;
    }
    seed = 1;
    for (int found = 0; found < 20; ++found) {
        const auto setUp = stripWithTargetAt(0, 1);
        for (;; ++seed) {
            setUp();
            generator::seed(seed);
            simulationStep();
            if (world.cells[0].birthStep == 1) break;
        }
        movedBefore += world.cells[0].field[environmentField] != 0.1f;
        ++seed;
    }
    EXPECT_EQ(movedAfter, 0);
    EXPECT_GE(movedBefore, 12);
}

TEST_F(SimulationStep, SelfMutationMakesEveryActingCellMutate)
{
    const auto changedTraits = [](int noSelfMutation) {
        useStrip(1);
        Cell& cell = living(0, 0.5f);
        cell.field[metabolismField] = 1.0f;
        cell.field[spreadRateField] = 0.0f;
        ruleNoSelfMutation = noSelfMutation;
        feedRules();
        generator::setState(stateBefore(0));
        simulationStep();
        ruleNoSelfMutation = 1;
        int changed = 0;
        for (int f : {int{terraformField}, int{assimilateField}, int{cultureRedField}, int{cultureGreenField}})
            changed += cell.field[f] != 0.5f;
        return changed;
    };
    EXPECT_EQ(changedTraits(1), 0);
    EXPECT_EQ(changedTraits(0), 4);
}

TEST_F(SimulationStep, AWeakTakeoverOfACrowdedCellLeavesAPopulationTheNextGrowthClamps)
{
    // The attacker's whole strength is its technology: attack = u4, the crowded target's defence
    // 0.025, so a win leaves attack - 1 < 0.
    const auto setUp = [] {
        useStrip(2);
        Cell& attacker = living(0, 0.0f);
        attacker.field[metabolismField] = 1.0f;
        attacker.field[spreadRateField] = 1.0f;
        attacker.field[technologyField] = 1.0f;
        Cell& target = living(1, 0.0f);
        target.field[metabolismField] = 1.0f;
    };
    stepUntil(setUp, [] { return world.cells[1].birthStep == 1; });
    EXPECT_LT(world.cells[1].field[populationField], 0.0f);

    for (int step = 0; step < 100 && world.cells[1].field[populationField] < 0.0f; ++step) simulationStep();
    EXPECT_GE(world.cells[1].field[populationField], 0.0f);
    EXPECT_LE(world.cells[1].field[populationField], 1.0f);
}

TEST_F(SimulationStep, AStrongTakeoverOfASmallCellLeavesMoreThanOne)
{
    const auto setUp = [] {
        useStrip(2);
        Cell& attacker = living(0, 0.0f);
        attacker.field[metabolismField] = 0.1f;  // acts rarely, hits hard: 1.35 and more
        attacker.field[spreadRateField] = 1.0f;
        Cell& target = living(1, 0.0f);
        target.field[populationField] = 0.1f;
        target.field[metabolismField] = 1.0f;
    };
    stepUntil(setUp, [] { return world.cells[1].birthStep == 1; });
    EXPECT_GT(world.cells[1].field[populationField], 1.0f);
}

TEST_F(SimulationStep, BeginAndCommitDoubleBuffer)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    Cell& cell = world.cells[12];
    cell.field[metabolismField] = 0.4f;
    cell.group.id = 4;
    cell.overtaken = 1;
    beginStep();
    EXPECT_EQ(cell.next[metabolismField], 0.4f);
    EXPECT_EQ(cell.nextGroup.id, 4);
    EXPECT_EQ(cell.overtaken, 0);
    cell.next[metabolismField] = 0.6f;
    cell.next[technologyField] = std::numeric_limits<float>::infinity();
    cell.next[cultureRedField] = std::nanf("");
    cell.next[cultureGreenField] = -std::numeric_limits<float>::infinity();
    cell.next[cultureBlueField] = 7.5f;
    cell.nextGroup.id = 8;
    commitStep();
    EXPECT_EQ(cell.field[metabolismField], 0.6f);
    EXPECT_EQ(cell.group.id, 8);
    EXPECT_EQ(cell.field[technologyField], 1.0f);
    EXPECT_EQ(cell.field[cultureRedField], 0.0f);
    EXPECT_EQ(cell.field[cultureGreenField], 0.0f);
    EXPECT_EQ(cell.field[cultureBlueField], 7.5f) << "finite values stay unclamped";
}

}  // namespace
