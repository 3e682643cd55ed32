// Frames of the world window read back pixel by pixel, and the geometry of its layers.
#include "camera.h"
#include "frameLoop.h"
#include "glTestContext.h"
#include "modeColours.h"
#include "picking.h"
#include "programClock.h"
#include "renderMode.h"
#include "renderSettings.h"
#include "shellState.h"
#include "simulationStep.h"
#include "world.h"
#include "worldActions.h"
#include "worldLayer.h"
#include "worldSettings.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int frameSize = 740;

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

using Rgb = std::array<int, 3>;

Rgb bytesOf(const Colour& colour)
{
    return {static_cast<int>(std::lround(colour.red * 255.0f)), static_cast<int>(std::lround(colour.green * 255.0f)),
            static_cast<int>(std::lround(colour.blue * 255.0f))};
}

class WorldRendering : public testing::Test {
protected:
    void SetUp() override
    {
        useTestWindow(frameSize, frameSize);
        mainWindow = glutGetWindow();
        glEnable(GL_DEPTH_TEST);
        setMillisecondSource(readFake);
        fakeMilliseconds = 0;
        startClock();
        resetView();
        world = World{};
        ASSERT_EQ(setTopology(planeTopology), 1);
        killAll();
        for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[environmentField] = 0.5f;
        outerRenderMode = environmentMode;
        innerRenderMode = cultureMode;
        zRenderMode = cultureMode;  // flat tiles: cell centres are easy to find
        elevation = 1.0f;
        tileSize = 0.55f;
    }
    void TearDown() override
    {
        world = World{};
        outerRenderMode = environmentMode;
        innerRenderMode = cultureMode;
        zRenderMode = environmentMode;
        setMillisecondSource(nullptr);
    }

    static Cell& cellAt(int i, int j) { return world.cells[j * 80 + i]; }
    static Cell& bringToLife(int i, int j, const Colour& culture)
    {
        Cell& cell = cellAt(i, j);
        cell.field[populationField] = 0.5f;
        cell.field[cultureRedField] = culture.red;
        cell.field[cultureGreenField] = culture.green;
        cell.field[cultureBlueField] = culture.blue;
        return cell;
    }

    // Draws a frame and reads it from the back buffer, rows from the bottom as GL gives them.
    void drawAndRead()
    {
        drawFrame();
        glFinish();
        pixels.assign(frameSize * frameSize * 3, 0);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, frameSize, frameSize, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    }

    // The pixel at a point of the plane, seen by the initial camera (50 away, 90 degrees).
    Rgb seen(float x, float y, float z = 0.0f) const
    {
        const float depth = initialCameraDistance - z;
        const int px = static_cast<int>((x / depth + 1.0f) * frameSize / 2.0f);
        const int py = static_cast<int>((y / depth + 1.0f) * frameSize / 2.0f);
        const unsigned char* p = &pixels[(static_cast<size_t>(py) * frameSize + px) * 3];
        return {p[0], p[1], p[2]};
    }
    // The centre of cell (i, j), or a point offset from it in cells.
    Rgb seenCell(int i, int j, float offsetX = 0.0f, float offsetY = 0.0f) const
    {
        return seen(-39.5f + static_cast<float>(i) + offsetX, -39.5f + static_cast<float>(j) + offsetY);
    }

    static void expectColour(const Rgb& actual, const Rgb& expected, const char* what = "")
    {
        for (int channel = 0; channel < 3; ++channel)
            EXPECT_NEAR(actual[channel], expected[channel], 1) << what << ", channel " << channel;
    }

    std::vector<unsigned char> pixels;
};

TEST_F(WorldRendering, EnvironmentIsTheBlackBlueWhiteRamp)
{
    const std::pair<int, float> ground[] = {{10, 0.0f}, {20, 0.25f}, {30, 0.5f}, {40, 0.75f}, {50, 1.0f}, {60, 0.9f}};
    for (const auto& [i, value] : ground) cellAt(i, 33).field[environmentField] = value;
    drawAndRead();
    for (const auto& [i, value] : ground) {
        SCOPED_TRACE(value);
        expectColour(seenCell(i, 33), bytesOf(environmentRamp(value)));
    }
    expectColour(seenCell(20, 33), {0, 0, 128});
    expectColour(seenCell(40, 33), {128, 128, 255});
    expectColour(seen(45.0f, 0.0f), {0, 0, 0}, "black beyond the plane");
}

TEST_F(WorldRendering, TheOuterLayerShowsThroughWhereTheInnerHasNoLife)
{
    bringToLife(12, 12, Colour{1.0f, 0.0f, 0.0f});
    cellAt(12, 12).field[environmentField] = 0.25f;
    cellAt(13, 12).field[environmentField] = 0.25f;
    drawAndRead();
    expectColour(seenCell(12, 12), {255, 0, 0}, "the inner tile in Culture");
    expectColour(seenCell(12, 12, 0.4f, 0.0f), {0, 0, 128}, "the outer ring of the living cell");
    expectColour(seenCell(13, 12), {0, 0, 128}, "a dead cell: only its ground");
}

TEST_F(WorldRendering, FitnessMapIsGreenWhereTheCultureFitsItsGround)
{
    outerRenderMode = fitnessMapMode;
    innerRenderMode = noneMode;
    Cell& fitting = bringToLife(30, 40, colourWhite);
    fitting.field[environmentField] = 0.6f;
    fitting.field[phenotypeField] = 0.6f;
    Cell& halfway = bringToLife(31, 40, colourWhite);
    halfway.field[environmentField] = 0.0f;
    halfway.field[phenotypeField] = 0.5f;
    drawAndRead();
    expectColour(seenCell(30, 40), {0, 255, 0});
    expectColour(seenCell(31, 40), {0, 64, 0}, "fit 0.5, squared");
}

TEST_F(WorldRendering, BothLayersNoneLeaveTheFrameBlackWithoutAnOutline)
{
    outerRenderMode = noneMode;
    innerRenderMode = noneMode;
    bringToLife(40, 40, colourWhite);
    selectCell(40 * 80 + 40);
    drawAndRead();
    for (unsigned char component : pixels) ASSERT_EQ(component, 0);
}

TEST_F(WorldRendering, TheSelectedCellPulsesFromWhiteToRed)
{
    innerRenderMode = noneMode;
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[environmentField] = 0.0f;
    selectCell(40 * 80 + 40);  // the square from (0, 0) to (1, 1)
    const auto outlineColour = [&] {
        drawAndRead();
        return seen(0.0f, 0.5f, 0.1f);  // the middle of its left edge, drawn 0.1 above the tile
    };
    fakeMilliseconds = 2000;
    expectColour(outlineColour(), {255, 255, 255});
    fakeMilliseconds = 2500;
    expectColour(outlineColour(), {255, 0, 0});
    fakeMilliseconds = 2250;
    expectColour(outlineColour(), {255, 128, 128});
}

TEST_F(WorldRendering, OuterEqualToInnerDrawsOneLayer)
{
    outerRenderMode = populationMode;
    innerRenderMode = populationMode;
    bringToLife(5, 5, colourWhite);
    bringToLife(6, 5, colourWhite);
    EXPECT_EQ(feedbackQuads(captureFeedback(drawFrame)).size(), 2u);
    innerRenderMode = cultureMode;
    EXPECT_EQ(feedbackQuads(captureFeedback(drawFrame)).size(), 4u);
    innerRenderMode = noneMode;
    outerRenderMode = environmentMode;
    EXPECT_EQ(feedbackQuads(captureFeedback(drawFrame)).size(), 6400u) << "Environment shows dead cells too";
}

TEST_F(WorldRendering, ReliefFollowsTheZModeAndElevation)
{
    cellAt(3, 3).field[environmentField] = 1.0f;
    cellAt(4, 3).field[environmentField] = 0.0f;
    const auto heights = [](int heightMode, float scale, float lift) {
        std::vector<float> z;
        for (const auto& quad :
             feedbackQuads(captureFeedback([&] { drawWorldLayer(environmentMode, heightMode, scale, lift, 1.0f); })))
            z.push_back(quad[0][2]);
        return z;
    };
    const std::vector<float> relief = heights(environmentMode, 1.0f, 0.0f);
    ASSERT_EQ(relief.size(), 6400u);
    EXPECT_NEAR(relief[3 * 80 + 3], 6.0f, 1e-3f) << "1 lies 6 * elevation above the base";
    EXPECT_NEAR(relief[3 * 80 + 4], -6.0f, 1e-3f);
    EXPECT_NEAR(relief[0], 0.0f, 1e-3f);
    EXPECT_NEAR(heights(environmentMode, 0.5f, 0.1f)[3 * 80 + 3], 3.1f, 1e-3f);
    for (int flatMode : {int{cultureMode}, int{fitnessMapMode}, int{groupsMode}, int{groupStrengthMode}, int{noneMode}})
        for (float z : heights(flatMode, 1.0f, 0.1f)) ASSERT_NEAR(z, 0.1f, 1e-3f) << "mode " << flatMode;
    for (float z : heights(environmentMode, 0.0f, 0.0f)) ASSERT_NEAR(z, 0.0f, 1e-3f);
}

TEST_F(WorldRendering, GeneologyLinksLiveParentsAndDotsTheRest)
{
    innerRenderMode = noneMode;
    Cell& parent = bringToLife(20, 20, colourWhite);
    parent.birthStep = 4;
    Cell& child = bringToLife(21, 20, colourWhite);
    child.parent = 20 * 80 + 20;
    child.parentBirthStep = 4;
    Cell& orphan = bringToLife(30, 30, colourWhite);
    orphan.parent = 20 * 80 + 20;
    orphan.parentBirthStep = 3;  // the parent's culture has changed since: a dead link
    const auto primitives = captureFeedback([] { drawWorldLayer(geneologyMode, cultureMode, 1.0f, 0.0f, 0.55f); });
    int lines = 0;
    int points = 0;
    for (const FeedbackPrimitive& primitive : primitives) {
        if (primitive.kind == FeedbackPrimitive::line) {
            ++lines;
            EXPECT_NEAR(primitive.vertices[0][0], -39.5f + 21.0f, 1e-3f) << "from the child";
            EXPECT_NEAR(primitive.vertices[1][0], -39.5f + 20.0f, 1e-3f) << "to its parent";
        }
        points += primitive.kind == FeedbackPrimitive::point;
    }
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(points, 2) << "the parent and the orphan";
}

TEST_F(WorldRendering, LineageColourRunsFromYellowToMagenta)
{
    Cell cell;
    fakeMilliseconds = 0;
    EXPECT_EQ(lineageColour(cell), colourYellow) << "no technology";
    cell.field[technologyField] = 1.0f;
    EXPECT_EQ(lineageColour(cell), colourMagenta) << "full technology";
    fakeMilliseconds = 750;  // half of the 1.5 s period
    const Colour half = lineageColour(cell);
    EXPECT_NEAR(half.green, 0.5f, 1e-3f);
    EXPECT_NEAR(half.blue, 0.5f, 1e-3f);
    cell.field[technologyField] = 0.5f;  // half a period out of phase
    fakeMilliseconds = 0;
    EXPECT_NEAR(lineageColour(cell).blue, 0.5f, 1e-3f);
}

TEST_F(WorldRendering, ModeColoursOfALivingCell)
{
    Cell cell;
    cell.field[populationField] = 0.25f;
    cell.field[metabolismField] = 0.4f;
    cell.field[technologyField] = 1.0f;
    cell.field[groupMembershipField] = 0.75f;
    cell.group.colour = colourMagenta;
    Colour colour{};
    ASSERT_TRUE(tileColour(populationMode, cell, colour));
    EXPECT_EQ(colour, (Colour{0.0f, 0.25f, 0.0f}));
    ASSERT_TRUE(tileColour(metabolismMode, cell, colour));
    EXPECT_FLOAT_EQ(colour.green, 0.6f);
    EXPECT_EQ(colour.red, 1.0f);
    ASSERT_TRUE(tileColour(technologyMode, cell, colour));
    EXPECT_EQ(colour, colourRed);
    ASSERT_TRUE(tileColour(groupsMode, cell, colour));
    EXPECT_EQ(colour, colourMagenta);
    ASSERT_TRUE(tileColour(groupStrengthMode, cell, colour));
    EXPECT_EQ(colour, environmentRamp(0.75f));
    EXPECT_FALSE(tileColour(noneMode, cell, colour));
    EXPECT_FALSE(tileColour(geneologyMode, cell, colour));
    cell.field[populationField] = 0.0f;
    for (int mode = 1; mode < renderModeCount; ++mode) EXPECT_FALSE(tileColour(mode, cell, colour)) << "mode " << mode;
    EXPECT_TRUE(tileColour(environmentMode, cell, colour));
}

TEST_F(WorldRendering, EveryTopologyDrawsWithoutGlErrors)
{
    zRenderMode = environmentMode;
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        world = World{};
        ASSERT_EQ(setTopology(topology), 1);
        feedRules();
        for (int step = 0; step < 30; ++step) simulationStep();
        selectCell(world.currentLattice->randomCell());
        for (int mode = 0; mode < renderModeCount; ++mode) {
            outerRenderMode = mode;
            drawFrame();
            ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "topology " << topology << " mode " << mode;
        }
        outerRenderMode = environmentMode;
        drawAndRead();
        int lit = 0;
        for (unsigned char component : pixels) lit += component != 0;
        EXPECT_GT(lit, frameSize * frameSize / 4) << "topology " << topology;
    }
}

TEST_F(WorldRendering, AWindowShrunkToNothingKeepsTheProjectionFinite)
{
    EXPECT_EQ(projectionAspect(740, 740), 1.0);
    EXPECT_EQ(projectionAspect(0, 0), 1.0);
    EXPECT_EQ(projectionAspect(740, 0), 740.0);
    EXPECT_EQ(projectionAspect(0, 740), 1.0 / 740.0);

    glViewport(0, 0, 0, 0);
    drawFrame();
    EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR));
    EXPECT_EQ(pickCellAt(0, 0), -1) << "nothing is under the mouse in an empty window";
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    for (GLfloat entry : projection) EXPECT_TRUE(std::isfinite(entry));
    glViewport(0, 0, frameSize, frameSize);
}

}  // namespace
