// Picking the cell under a pixel of the world window, and the Touch applied to it.
#include "camera.h"
#include "controlPanels.h"
#include "glTestContext.h"
#include "input.h"
#include "picking.h"
#include "programClock.h"
#include "renderMode.h"
#include "renderSettings.h"
#include "settings.h"
#include "shellState.h"
#include "touchPass.h"
#include "world.h"
#include "worldActions.h"
#include "worldLayer.h"
#include "worldSettings.h"

#include <GL/glu.h>
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int frameSize = 740;

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

class Picking : public testing::Test {
protected:
    void SetUp() override
    {
        useTestWindow(frameSize, frameSize);
        mainWindow = glutGetWindow();
        glViewport(0, 0, frameSize, frameSize);
        glEnable(GL_DEPTH_TEST);
        resetView();
        world = World{};
        zRenderMode = environmentMode;
        elevation = 1.0f;
        setMillisecondSource(readFake);
        fakeMilliseconds = 0;
        startClock();
    }
    void TearDown() override
    {
        world = World{};
        resetView();
        zRenderMode = environmentMode;
        elevation = 1.0f;
        touchHeld = false;
        touchTool = selectCellTool;
        outerRenderMode = environmentMode;
        setMillisecondSource(nullptr);
    }

    // The window pixel (y down, as the mouse reports it) where the cell's tile centre is seen.
    static bool pixelOf(int cell, float height, int& x, int& y)
    {
        latticeCursor cursor;
        world.currentLattice->locate(cell, cursor);
        float centre[3];
        world.currentLattice->cellPosition(cursor, cell, centre, height);
        setProjectionAndCamera();
        GLdouble modelview[16];
        GLdouble projection[16];
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        GLdouble wx = 0, wy = 0, wz = 0;
        if (!gluProject(centre[0], centre[1], centre[2], modelview, projection, viewport, &wx, &wy, &wz)) return false;
        x = static_cast<int>(wx);
        y = viewport[3] - 1 - static_cast<int>(wy);
        return x >= 0 && x < frameSize && y >= 0 && y < frameSize;
    }
    static float heightOf(int cell) { return cellHeight(world.cells[cell], reliefOf(zRenderMode, elevation), 0.0f); }

    // Picks at the seen centre of each of the cells and expects that cell back.
    static void expectPickedAtTheirCentres(const std::vector<int>& cells)
    {
        for (int cell : cells) {
            int x = 0;
            int y = 0;
            ASSERT_TRUE(pixelOf(cell, heightOf(cell), x, y)) << cell;
            EXPECT_EQ(pickCellAt(x, y), cell) << "at " << x << ", " << y;
            EXPECT_EQ(pickedCell, cell);
        }
    }
};

// Flat tiles: with a relief a higher tile in front may hide a cell's centre, and the pick then
// rightly finds that tile.
TEST_F(Picking, FindsTheCellUnderAPixelOnEveryTopology)
{
    zRenderMode = cultureMode;
    ASSERT_EQ(setTopology(planeTopology), 1);
    expectPickedAtTheirCentres({0, 79, 3240, 6320, 6399, 1234});

    world = World{};
    ASSERT_EQ(setTopology(discTopology), 1);
    // Ring 0's two cells have no area: nothing can be seen of them to pick.
    expectPickedAtTheirCentres({246, 5 * 246 + 7, 20 * 246 + 100, 39 * 246 + 245});

    // The sphere's front tiles hide the back ones under every pixel: the nearest is picked.
    world = World{};
    ASSERT_EQ(setTopology(sphereTopology), 1);
    expectPickedAtTheirCentres({39 * 160, 39 * 160 + 3, 30 * 160 + 1, 50 * 160 + 10, 20 * 160 + 2});
}

TEST_F(Picking, ATiltedCameraStillFindsTheCell)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    zRenderMode = cultureMode;
    cameraPitch = -55.0f;
    cameraYaw = 20.0f;
    expectPickedAtTheirCentres({3240, 3300, 2840, 3650});
}

TEST_F(Picking, FlatTilesAreFoundWhateverTheElevation)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    world.cells[3240].field[environmentField] = 1.0f;  // would stand 6 high with Z = Environment
    zRenderMode = cultureMode;
    elevation = 1.0f;
    int x = 0;
    int y = 0;
    ASSERT_TRUE(pixelOf(3240, 0.0f, x, y));
    EXPECT_EQ(pickCellAt(x, y), 3240);
}

TEST_F(Picking, NoTileUnderThePixelIsNoCell)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    EXPECT_EQ(pickCellAt(5, 5), -1);
    world = World{};
    EXPECT_EQ(pickCellAt(370, 370), -1) << "an empty world";
}

TEST_F(Picking, TheNearestHitWins)
{
    // Records: names, minimum depth, maximum depth, names.
    const GLuint hits[] = {1, 900, 950, 11, 1, 300, 999, 12, 1, 300, 310, 13, 0, 100, 100};
    EXPECT_EQ(nearestHit(hits, 4, 15), 12) << "the smaller depth, the earlier of equals, no name skipped";
    EXPECT_EQ(nearestHit(hits, 1, 15), 11);
    EXPECT_EQ(nearestHit(hits, -1, 15), -1) << "an overflowed buffer";
    EXPECT_EQ(nearestHit(hits, 0, 15), -1);
}

TEST_F(Picking, TheBrushGrowsWithTheHold)
{
    touchStartTime = 1.0f;
    fakeMilliseconds = 1000;
    EXPECT_EQ(touchRadius(), 0.0f);
    fakeMilliseconds = 3500;
    EXPECT_FLOAT_EQ(touchRadius(), 0.25f);
    fakeMilliseconds = 6000;
    EXPECT_FLOAT_EQ(touchRadius(), 1.0f);
    fakeMilliseconds = 9000;
    EXPECT_EQ(touchRadius(), 1.0f);
}

TEST_F(Picking, SelectCellFollowsTheMouseAndAPressOnNothingClearsIt)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    world.cells[3240].field[populationField] = 0.3f;
    world.cells[3240].group = Group{4, 2, 0.3f, 0.4f, colourRed};
    touchTool = selectCellTool;
    touchHeld = true;
    ASSERT_TRUE(pixelOf(3240, heightOf(3240), mouseX, mouseY));
    pickAndTouch();
    EXPECT_EQ(getSelectedIndex(), 3240);
    EXPECT_EQ(panelGroup.id, 4) << "the panel follows";
    EXPECT_FLOAT_EQ(cellSliders[populationField], 0.3f);

    mouseX = 3;
    mouseY = 3;
    pickAndTouch();
    EXPECT_EQ(getSelectedIndex(), -1);
    EXPECT_EQ(panelGroup.id, -1);
}

TEST_F(Picking, PaintingGrowsWithTheHoldTime)
{
    ASSERT_EQ(setTopology(planeTopology), 1);
    for (int index = 0; index < world.cellCount; ++index) world.cells[index].field[environmentField] = 0.0f;
    zRenderMode = cultureMode;
    outerRenderMode = environmentMode;
    touchTool = paintWithOne;
    touchHeld = true;
    touchStartTime = 0.0f;
    fakeMilliseconds = 2500;  // radius 0.25: cells closer than 28.3
    ASSERT_TRUE(pixelOf(3240, 0.0f, mouseX, mouseY));
    pickAndTouch();
    int painted = 0;
    int expected = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            painted += world.cells[y * 80 + x].field[environmentField] > 0.0f;
            expected += std::sqrt(static_cast<float>((x - 40) * (x - 40) + (y - 40) * (y - 40))) < std::sqrt(12800.0f) * 0.25f;
        }
    EXPECT_EQ(painted, expected);
}

}  // namespace
