// The Touch tools on the plane's brush and on single cells of the disc and the sphere.
#include "generatorControl.h"
#include "renderMode.h"
#include "world.h"
#include "worldActions.h"
#include "worldSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class CellTools : public testing::Test {
protected:
    void SetUp() override { build(planeTopology); }
    void TearDown() override
    {
        world = World{};
        outerRenderMode = environmentMode;
    }

    // A world of the topology with every field of every record 0.5.
    static void build(int topology)
    {
        world = World{};
        ASSERT_EQ(setTopology(topology), 1);
        for (int index = 0; index < world.cellCount; ++index)
            for (int f = 0; f < cellFieldCount; ++f) world.cells[index].field[f] = 0.5f;
    }
    static float value(int index, int f) { return world.cells[index].field[f]; }
    static int changedCells(int f)
    {
        int count = 0;
        for (int index = 0; index < world.cellCount; ++index) count += value(index, f) != 0.5f;
        return count;
    }
};

TEST_F(CellTools, RadiusZeroPaintsOnlyTheTouchedCell)
{
    outerRenderMode = populationMode;
    touch(41 * 80 + 40, paintWithOne, 0.0f);
    EXPECT_FLOAT_EQ(value(41 * 80 + 40, populationField), 0.5f + 0.5f * 0.2f) << "a fifth of the way to 1";
    EXPECT_EQ(changedCells(populationField), 1);
    EXPECT_EQ(changedCells(environmentField), 0);

    touch(0, paintWithZero, 0.0f);
    EXPECT_FLOAT_EQ(value(0, populationField), 0.4f) << "a fifth of the way to 0";
}

TEST_F(CellTools, RadiusOneReachesTheWholeGrid)
{
    // "Paint with 0" aims at the distance share, which stays below 1 everywhere: from a corner the
    // far corner is 79 * sqrt 2 away, under the full radius 80 * sqrt 2.
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[environmentField] = 1.0f;
    touch(0, paintWithZero, 1.0f);
    int painted = 0;
    for (int index = 0; index < world.cellCount; ++index) painted += value(index, environmentField) < 1.0f;
    EXPECT_EQ(painted, 6400);
    EXPECT_NEAR(value(6399, environmentField), 1.0f + (79.0f / 80.0f - 1.0f) * 0.2f, 1e-5f);
    EXPECT_FLOAT_EQ(value(0, environmentField), 0.8f);
}

TEST_F(CellTools, BrushCoversTheCellsCloserThanItsRadius)
{
    const float radius = 0.1f;  // about 11.3 cells
    touch(40 * 80 + 40, paintWithOne, radius);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            const float distance = std::sqrt(static_cast<float>((x - 40) * (x - 40) + (y - 40) * (y - 40)));
            const bool inside = distance < std::sqrt(12800.0f) * radius;
            EXPECT_EQ(value(y * 80 + x, environmentField) != 0.5f, inside) << x << ", " << y;
        }
}

TEST_F(CellTools, NoiseDrawsOncePerPaintedCellColumnByColumn)
{
    generator::seed(3);
    const std::vector<int> draws = peekDraws(generator::state(), 3);
    touch(81, paintNoise, 0.0f);
    EXPECT_FLOAT_EQ(value(81, environmentField), 0.5f + (uniformOf(draws[0]) - 0.5f) * 0.2f);

    // A brush of three cells in a column: x = 40, rows 39..41 are painted in that order.
    build(planeTopology);
    const std::vector<int> next = peekDraws(generator::state(), 3);
    touch(40 * 80 + 40, paintNoise, 1.5f / std::sqrt(12800.0f));
    EXPECT_EQ(changedCells(environmentField), 9) << "a 3 x 3 block: the diagonals are 1.41 away";
    EXPECT_FLOAT_EQ(value(39 * 80 + 39, environmentField), 0.5f + (uniformOf(next[0]) - 0.5f) * 0.2f);
    EXPECT_FLOAT_EQ(value(40 * 80 + 39, environmentField), 0.5f + (uniformOf(next[1]) - 0.5f) * 0.2f);
    EXPECT_FLOAT_EQ(value(41 * 80 + 39, environmentField), 0.5f + (uniformOf(next[2]) - 0.5f) * 0.2f);
}

TEST_F(CellTools, TheOuterModeChoosesTheField)
{
    outerRenderMode = geneologyMode;
    touch(500, paintWithOne, 0.0f);
    EXPECT_NE(value(500, groupMembershipField), 0.5f);
    for (int mode : {int{fitnessMapMode}, int{cultureMode}, int{groupsMode}, int{groupStrengthMode}, int{noneMode}, -1, 14}) {
        build(planeTopology);
        outerRenderMode = mode;
        touch(500, paintWithOne, 1.0f);
        for (int f = 0; f < cellFieldCount; ++f) EXPECT_EQ(changedCells(f), 0) << "mode " << mode;
    }
}

TEST_F(CellTools, CopyCultureTakesFieldsOneToElevenOfTheSelectedCell)
{
    Cell& source = world.cells[200];
    for (int f = 0; f < cellFieldCount; ++f) source.field[f] = 0.05f * static_cast<float>(f);
    source.group.id = 12;
    source.birthStep = 33;
    touch(300, copyCulture, 0.5f);
    EXPECT_EQ(changedCells(technologyField), 1) << "nothing selected: nothing copied";

    selectCell(200);
    touch(300, copyCulture, 0.5f);
    const Cell& target = world.cells[300];
    EXPECT_EQ(target.field[environmentField], 0.5f);
    for (int f = populationField; f < cellFieldCount; ++f) EXPECT_EQ(target.field[f], source.field[f]);
    EXPECT_EQ(target.group.id, -1);
    EXPECT_EQ(target.birthStep, 0);

    const Cell before = source;
    touch(200, copyCulture, 0.5f);  // onto itself
    for (int f = 0; f < cellFieldCount; ++f) EXPECT_EQ(source.field[f], before.field[f]);
    touch(-1, copyCulture, 0.5f);
    touch(6400, copyCulture, 0.5f);
}

TEST_F(CellTools, SelectCellFollowsTheTouchAndMinusOneClears)
{
    touch(77, selectCellTool, 0.3f);
    EXPECT_EQ(getSelectedIndex(), 77);
    touch(-1, selectCellTool, 0.3f);
    EXPECT_EQ(getSelectedIndex(), -1);
    touch(90, -1, 1.0f);  // no tool: nothing
    EXPECT_EQ(getSelectedIndex(), -1);
    touch(90, 5, 1.0f);
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(changedCells(environmentField), 0);
}

TEST_F(CellTools, DiscAndSpherePaintTheSingleTouchedCell)
{
    for (int topology : {discTopology, sphereTopology}) {
        build(topology);
        const int cell = topology == discTopology ? 246 * 3 + 4 : 160 * 20 + 7;
        touch(cell, paintWithOne, 1.0f);
        EXPECT_FLOAT_EQ(value(cell, environmentField), 0.6f) << "toward 1";
        EXPECT_EQ(changedCells(environmentField), 1);
        touch(cell, paintWithZero, 1.0f);
        EXPECT_FLOAT_EQ(value(cell, environmentField), 0.48f) << "toward 0";
        touch(-1, paintWithOne, 1.0f);
        touch(topology == discTopology ? 9840 : 6, paintWithOne, 1.0f);  // past the index space, a sphere hole
        EXPECT_EQ(changedCells(environmentField), 1);
    }
}

TEST_F(CellTools, NothingOnAnEmptyWorld)
{
    world = World{};
    touch(0, paintWithOne, 1.0f);
    touch(0, selectCellTool, 1.0f);
    EXPECT_EQ(getSelectedIndex(), -1);
}

}  // namespace
