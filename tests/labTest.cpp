// quillmoss-lab's parts: reading the command line, measuring a world, and snapshots drawn
// offscreen by the program's renderer.
#include "camera.h"
#include "labOptions.h"
#include "modeColours.h"
#include "offscreenContext.h"
#include "pngFile.h"
#include "renderMode.h"
#include "renderSettings.h"
#include "world.h"
#include "worldActions.h"
#include "worldSettings.h"
#include "worldSnapshot.h"
#include "worldStatistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace {

std::string parse(std::vector<const char*> words, LabOptions& options)
{
    words.insert(words.begin(), "quillmoss-lab");
    return parseLabOptions(static_cast<int>(words.size()), words.data(), options);
}

TEST(LabOptions, ARunTakesEveryOption)
{
    LabOptions options;
    ASSERT_EQ(
        parse({"run",           "--topology",  "sphere",          "--steps", "250",     "--seed", "4294967295", "--pollution",
               "--human-rules", "--lineages",  "--disaster-rate", "0.25",    "--every", "10",     "--out",      "here",
               "--mode",        "fitness map", "--inner",         "None",    "--save",  "w.qmw"},
              options),
        "");
    EXPECT_EQ(options.command, LabCommand::run);
    EXPECT_EQ(options.topology, sphereTopology);
    EXPECT_EQ(options.steps, 250);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_TRUE(options.seedGiven && options.pollution && options.humanRules && options.lineages);
    EXPECT_FLOAT_EQ(options.disasterRate, 0.25f);
    EXPECT_EQ(options.every, 10);
    EXPECT_EQ(options.outDirectory, "here");
    EXPECT_EQ(options.mode, fitnessMapMode);
    EXPECT_EQ(options.inner, noneMode);
    EXPECT_EQ(options.saveFile, "w.qmw");

    ASSERT_EQ(parse({"run", "--topology", "disc", "--steps", "0"}, options), "");
    EXPECT_EQ(options.mode, environmentMode) << "the window's layers by default";
    EXPECT_EQ(options.inner, cultureMode);
    EXPECT_EQ(options.every, 100);
    EXPECT_FALSE(options.seedGiven);
}

TEST(LabOptions, BadWordsAreNamed)
{
    LabOptions options;
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{}, "no command given"},
        {{"walk"}, "unknown command \"walk\" (run, save or bench)"},
        {{"run", "--topology", "torus", "--steps", "5"}, "unknown topology \"torus\" (plane, disc or sphere)"},
        {{"run", "--topology", "plane", "--steps", "-5"}, "--steps needs a whole number from 0, not \"-5\""},
        {{"run", "--topology", "plane", "--steps", "12x"}, "--steps needs a whole number from 0, not \"12x\""},
        {{"run", "--topology", "plane", "--steps", "99999999999"}, "--steps needs a whole number from 0, not \"99999999999\""},
        {{"run", "--topology", "plane"}, "run needs --steps N"},
        {{"run", "--steps", "5"}, "a new world needs --topology plane|disc|sphere"},
        {{"run", "--topology", "plane", "--steps", "5", "--mode", "Sepia"},
         "unknown render mode \"Sepia\" (see --help for the names)"},
        {{"run", "--topology", "plane", "--steps", "5", "--disaster-rate", "1.5"},
         "--disaster-rate needs a number from 0 to 1, not \"1.5\""},
        {{"run", "--topology", "plane", "--steps", "5", "--disaster-rate", "nan"},
         "--disaster-rate needs a number from 0 to 1, not \"nan\""},
        {{"run", "--topology", "plane", "--steps", "5", "--every", "0"}, "--every needs a whole number from 1, not \"0\""},
        {{"run", "--topology", "plane", "--steps", "5", "--seed", "4294967296"},
         "--seed needs a whole number from 0 to 4294967295, not \"4294967296\""},
        {{"run", "--topology", "plane", "--steps"}, "--steps needs a value"},
        {{"run", "--topology", "plane", "--steps", "5", "--colour"}, "unknown option \"--colour\""},
        {{"run", "--load", "w.qmw", "--steps", "5", "--seed", "3"},
         "--load brings its own topology, seed, rules and disaster rate: leave those options out"},
        {{"save", "--topology", "disc"}, "save needs --save FILE"},
        {{"bench", "--topology", "disc"}, "bench measures every topology on a new world: give it only --steps"},
    };
    for (const auto& [words, expected] : cases) EXPECT_EQ(parse(words, options), expected) << expected;
}

TEST(LabOptions, HelpWinsAnywhere)
{
    LabOptions options;
    EXPECT_EQ(parse({"--help"}, options), "");
    EXPECT_EQ(options.command, LabCommand::help);
    EXPECT_EQ(parse({"run", "--topology", "torus", "--help"}, options), "unknown topology \"torus\" (plane, disc or sphere)");
    EXPECT_EQ(parse({"run", "--help", "--topology", "torus"}, options), "");
    EXPECT_EQ(options.command, LabCommand::help);
}

class LabWorld : public testing::Test {
protected:
    void SetUp() override
    {
        world = World{};
        ASSERT_EQ(setTopology(planeTopology), 1);
        killAll();
        for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[environmentField] = 0.5f;
    }
    void TearDown() override
    {
        world = World{};
        outerRenderMode = environmentMode;
        innerRenderMode = cultureMode;
        zRenderMode = environmentMode;
    }
    static Cell& cellAt(int i, int j) { return world.cells[j * 80 + i]; }
    static Cell& live(int i, int j, float population, float technology, float red, float green, float blue)
    {
        Cell& cell = cellAt(i, j);
        cell.field[populationField] = population;
        cell.field[technologyField] = technology;
        cell.field[phenotypeField] = 0.5f;
        cell.field[cultureRedField] = red;
        cell.field[cultureGreenField] = green;
        cell.field[cultureBlueField] = blue;
        return cell;
    }
};

TEST_F(LabWorld, StatisticsOfAWorldSetUpByHand)
{
    live(1, 1, 0.5f, 0.2f, 0.1f, 0.1f, 0.1f).group.id = 4;
    live(2, 1, 0.25f, 0.6f, 0.12f, 0.1f, 0.1f).group.id = 4;  // the same colour class as (1, 1)
    Cell& third = live(3, 1, 0.25f, 0.4f, 0.9f, 0.1f, 0.1f);
    third.group.id = 7;
    third.field[phenotypeField] = 0.25f;  // fits its ground less: 0.75
    world.stepCount = 42;

    const WorldStatistics statistics = measureWorld();
    EXPECT_EQ(statistics.step, 42);
    EXPECT_EQ(statistics.livingCells, 3);
    EXPECT_DOUBLE_EQ(statistics.totalPopulation, 1.0);
    EXPECT_NEAR(statistics.technologyMean, 0.4, 1e-6);
    EXPECT_NEAR(statistics.technologySpread, std::sqrt(0.08 / 3.0), 1e-6);
    EXPECT_EQ(statistics.groups, 2);
    EXPECT_EQ(statistics.cultures, 2);
    EXPECT_NEAR(statistics.meanFitness, (1.0 + 1.0 + 0.75) / 3.0, 1e-6);
    EXPECT_EQ(statistics.lineages, -1) << "the lineage rule is off";
    EXPECT_EQ(statisticsRow(statistics), "42,3,1.000000,0.400000,0.163299,2,2,0.916667,\n");

    setRule(6, 1.0f);
    cellAt(1, 1).lineage = 99;  // a label of the last step
    EXPECT_EQ(measureWorld().lineages, 3) << "no parents: every living cell is its own lineage";
    EXPECT_EQ(cellAt(1, 1).lineage, 99) << "measuring changes nothing";
    world = World{};
    EXPECT_EQ(statisticsRow(measureWorld()), "0,0,0.000000,0.000000,0.000000,0,0,0.000000,\n");
}

class LabSnapshot : public LabWorld {
protected:
    // The snapshot's pixel at the centre of plane cell (i, j), seen by the initial camera.
    static const std::uint8_t* centreOf(const Picture& picture, int i, int j)
    {
        const float depth = initialCameraDistance;
        const int x = static_cast<int>(((-39.5f + i) / depth + 1.0f) * snapshotSize / 2.0f);
        const int y = static_cast<int>(((-39.5f + j) / depth + 1.0f) * snapshotSize / 2.0f);
        return picture.pixel(x, snapshotSize - 1 - y);
    }
    static void expectColour(const std::uint8_t* pixel, const Colour& colour, const char* what)
    {
        const float expected[] = {colour.red, colour.green, colour.blue};
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(pixel[channel], std::lround(expected[channel] * 255.0f), 1) << what << ", channel " << channel;
    }
};

TEST_F(LabSnapshot, ThePngHasTheColoursOfItsRenderMode)
{
    OffscreenContext context(snapshotSize, snapshotSize);
    ASSERT_TRUE(context.ready()) << context.problem();
    resetView();
    zRenderMode = cultureMode;  // flat tiles
    cellAt(10, 10).field[environmentField] = 0.9f;
    Cell& living = live(40, 40, 0.5f, 0.3f, 0.8f, 0.2f, 0.6f);
    char directory[] = "/tmp/quillmossLabSnapshotXXXXXX";
    ASSERT_NE(mkdtemp(directory), nullptr);
    const std::string path = snapshotPath(directory, 7);
    EXPECT_EQ(path, std::string(directory) + "/world-000007.png");

    outerRenderMode = environmentMode;
    innerRenderMode = noneMode;
    ASSERT_TRUE(writePng(drawSnapshot(), path));
    Picture picture = readPng(path);
    ASSERT_EQ(picture.width, snapshotSize);
    expectColour(centreOf(picture, 10, 10), environmentRamp(0.9f), "Environment at (10, 10)");
    expectColour(centreOf(picture, 60, 20), environmentRamp(0.5f), "Environment at (60, 20)");
    expectColour(picture.pixel(2, 2), Colour{0.0f, 0.0f, 0.0f}, "the background");

    outerRenderMode = cultureMode;
    ASSERT_TRUE(writePng(drawSnapshot(), path));
    picture = readPng(path);
    Colour culture;
    ASSERT_TRUE(tileColour(cultureMode, living, culture));
    expectColour(centreOf(picture, 40, 40), culture, "Culture of the living cell");
    expectColour(centreOf(picture, 10, 10), Colour{0.0f, 0.0f, 0.0f}, "Culture leaves the dead cells out");

    outerRenderMode = technologyMode;
    ASSERT_TRUE(writePng(drawSnapshot(), path));
    ASSERT_TRUE(tileColour(technologyMode, living, culture));
    expectColour(centreOf(readPng(path), 40, 40), culture, "Technology of the living cell");
    unlink(path.c_str());
    rmdir(directory);
}

}  // namespace
