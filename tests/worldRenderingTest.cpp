// Frames of the world window read back pixel by pixel, and the pick pass that finds the cell under a
// pixel. The recorded pictures hold what the lattices draw.
#include "camera.h"
#include "digest.h"
#include "glTestContext.h"
#include "input.h"
#include "modeColours.h"
#include "picking.h"
#include "relief.h"
#include "renderMode.h"
#include "shellFixture.h"
#include "shellState.h"
#include "touchPass.h"
#include "worldActions.h"
#include "worldChanges.h"
#include "worldFrame.h"
#include "worldWatchers.h"
#include "worldWindow.h"

#include <GL/glu.h>
#include <GL/glut.h>

#include <array>
#include <cmath>

namespace {

constexpr int frameSize = 740;
using Rgb = std::array<int, 3>;

// The test window's back buffer, RGB rows from the bottom.
std::vector<unsigned char> readFrame()
{
    std::vector<unsigned char> rgb(frameSize * frameSize * 3);
    glReadBuffer(GL_BACK);
    glReadPixels(0, 0, frameSize, frameSize, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}

class WorldRendering : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        useTestWindow(frameSize, frameSize);
        mainWindow = glutGetWindow();
        glViewport(0, 0, frameSize, frameSize);
        glEnable(GL_DEPTH_TEST);
        useFakeClock();
        World flat = growWorld(planeTopology, 1, 0);
        killAll(flat);
        for (int index = 0; index < flat.cellCount; ++index) flat.cells[index].field[environmentField] = 0.5f;
        startWorld(flat);
        watchWorldFromEveryWindow();
        view.zRenderMode = cultureMode;  // flat tiles
    }
    void TearDown() override
    {
        touchHeld = false;
        ShellTest::TearDown();
    }
    // The window pixel (y down, as the mouse reports it) where the cell's centre is seen.
    static bool pixelOf(int cell, int& x, int& y, float offset = 0.0f)
    {
        latticeCursor cursor;
        world.currentLattice->locate(cell, cursor);
        float centre[3];
        world.currentLattice->cellPosition(cursor, cell, centre,
                                           cellHeight(world.cells[cell], reliefOf(view.zRenderMode, view.elevation), 0));
        setProjectionAndCamera(view.camera);
        GLdouble modelview[16], projection[16], wx, wy, wz;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        if (!gluProject(centre[0] + offset, centre[1], centre[2], modelview, projection, viewport, &wx, &wy, &wz)) return false;
        x = static_cast<int>(wx);
        y = viewport[3] - 1 - static_cast<int>(wy);
        return x >= 0 && x < frameSize && y >= 0 && y < frameSize && wz < 1.0;
    }
    // The colour drawFrame leaves at the cell's centre (or a point offset from it in cells).
    static Rgb seen(int cell, float offset = 0.0f)
    {
        int x = 0, y = 0;
        if (!pixelOf(cell, x, y, offset)) return {-1, -1, -1};
        drawFrame();
        const auto rgb = readFrame();
        const std::size_t at = (static_cast<std::size_t>(frameSize - 1 - y) * frameSize + x) * 3;
        return {rgb[at], rgb[at + 1], rgb[at + 2]};
    }
};

void expectColour(const Rgb& actual, const Rgb& expected, const std::string& what)
{
    EXPECT_TRUE(std::abs(actual[0] - expected[0]) + std::abs(actual[1] - expected[1]) + std::abs(actual[2] - expected[2]) <= 2)
        << what << ": " << actual[0] << ", " << actual[1] << ", " << actual[2];
}

// The selected cell's outline pulses from white to red once a second; with both layers None not even it is drawn.
// The colours of every mode, for the living and the dead, are held by the recorded pictures.
TEST_F(WorldRendering, TheSelectedCellPulsesFromWhiteToRed)
{
    view.selectedIndex = selectableCell(world, 40 * 80 + 40);
    for (const auto& [ms, colour] :
         {std::pair{2000u, Rgb{255, 255, 255}}, {2500u, Rgb{255, 0, 0}}, {2250u, Rgb{255, 128, 128}}}) {
        fakeMilliseconds = ms;
        expectColour(seen(40 * 80 + 40, -0.5f), colour, "the outline's left edge at " + std::to_string(ms) + " ms");
    }
    view.camera.distance = 1.05f;  // the wheel has no bounds
    expectColour(seen(40 * 80 + 40), {0, 0, 255}, "a tile just beyond the near plane");
    view.outerRenderMode = view.innerRenderMode = noneMode;
    expectColour(seen(40 * 80 + 40, -0.5f), {0, 0, 0}, "both layers None");
    Cell record;  // Geneology's colour runs from yellow to magenta once every 1.5 s, out of phase by technology
    EXPECT_EQ(lineageColour(record, 0.0f), colourYellow);
    record.field[technologyField] = 1.0f;
    EXPECT_NEAR(lineageColour(record, 0.75f).green, 0.5f, 1e-5f) << "halfway, past the wrap";
}

// Every mode on every topology, with the relief and the selection: every pixel of the frame is as
// recorded, and GL reports no error, with the tiles drawn from arrays and from buffers alike.
TEST_F(WorldRendering, EveryModeOnEveryTopologyShowsTheRecordedPicture)
{
    RuleSwitches lineagesOn;
    lineagesOn.lineages = 1;
    const std::uint64_t recorded[] = {0xe1ccb745372ccacbull, 0xa339c0b39dbf878dull, 0x728f2a47030e37d3ull};
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        World grown = growWorld(topology, calendarSeed, 150, lineagesOn);
        view.selectedIndex = selectableCell(grown, grown.currentLattice->randomCell(grown.random));
        startWorld(grown);
        for (const bool inBuffers : {false, true}) {
            view.tilesInBuffers = inBuffers;
            const std::string drawn = topologyNames[topology] + std::string(inBuffers ? " from buffers" : "");
            Digest digest;
            for (int mode = 0; mode < renderModeCount; ++mode) {
                view.outerRenderMode = mode;
                view.innerRenderMode = (mode + 4) % renderModeCount;
                view.zRenderMode = (mode + 11) % renderModeCount;
                drawFrame();
                ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << drawn << " " << renderModeNames[mode];
                for (unsigned char byte : readFrame()) digest << byte;
            }
            EXPECT_EQ(digest.value, recorded[topology]) << drawn;
        }
    }
}

// A layer keeps the corners of tiles whose cells have not moved from frame to frame; a new tile
// size is still drawn as a world seen for the first time draws it.
TEST_F(WorldRendering, ANewTileSizeRedrawsEveryTile)
{
    const auto picture = [](float size) {
        view.tileSize = size;
        drawFrame();
        return readFrame();
    };
    view.outerRenderMode = environmentMode;
    startWorld(growWorld(planeTopology, calendarSeed, 150));
    const auto before = picture(0.3f), changed = picture(0.8f);
    startWorld(growWorld(discTopology, calendarSeed, 0));
    picture(0.8f);
    startWorld(growWorld(planeTopology, calendarSeed, 150));
    EXPECT_NE(changed, before);
    EXPECT_EQ(changed, picture(0.8f)) << "as drawn after another topology";
}

// Each cell's tile drawn in a colour that names it (index + 1; 0 where no tile is) with the
// frame's projection and camera; names by pixel, rows from the bottom.
std::vector<int> tileNames()
{
    setProjectionAndCamera(view.camera);
    glDisable(GL_DITHER);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    latticeCursor cursor;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor)) {
        glColor3ub((index + 1) & 255, (index + 1) >> 8, 0);
        const float height = cellHeight(world.cells[index], reliefOf(view.zRenderMode, view.elevation), 0.0f);
        world.currentLattice->drawCellTile(cursor, index, height, 1.0f);
    }
    const auto rgb = readFrame();
    std::vector<int> names(frameSize * frameSize);
    for (std::size_t at = 0; at < names.size(); ++at) names[at] = rgb[at * 3] + 256 * rgb[at * 3 + 1];
    return names;
}

// Every pixel of a few patches, the edges between tiles of different heights among them, selects
// the cell whose tile the frame shows at the pixel's centre.
TEST_F(WorldRendering, AClickSelectsTheCellDrawnAtThePixelsCentre)
{
    constexpr int patchSide = 16;
    for (int topology : {planeTopology, discTopology, sphereTopology}) {
        startWorld(growWorld(topology, calendarSeed, 0));
        view.camera.pitch = topology == planeTopology ? -40.0f : 0.0f;
        view.zRenderMode = environmentMode;
        view.elevation = 1.0f;
        view.innerRenderMode = noneMode;
        const std::vector<int> names = tileNames();
        int edges = 0;
        for (const int corner : {300, 370, 440})
            for (int row = corner; row < corner + patchSide; ++row)
                for (int column = corner; column < corner + patchSide; ++column) {
                    const int at = row * frameSize + column;
                    edges += names[at] != names[at + 1];
                    EXPECT_EQ(pickCellAt(world, view, column, frameSize - 1 - row), names[at] - 1)
                        << topologyNames[topology] << " at " << column << ", " << frameSize - 1 - row;
                }
        EXPECT_GT(edges, 3 * patchSide) << topologyNames[topology] << ": the patches cross edges";
    }
    EXPECT_EQ(pickCellAt(world, view, 2, 2), -1) << "no tile under the pixel";
    EXPECT_EQ(projectionAspect(740, 0), 740.0) << "a window without height";
    EXPECT_EQ(projectionAspect(0, 0), 1.0) << "a window shrunk to nothing";
    glViewport(0, 0, 0, 0);
    drawFrame();
    GLfloat projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_EQ(std::count_if(projection, projection + 16, [](float entry) { return std::isfinite(entry); }), 16);
    EXPECT_EQ(pickCellAt(world, view, 0, 0), -1) << "keeps a finite projection and has nothing under the mouse";
}

// A world of many cells, each cell's environment different from its neighbours'.
World largeWorld(int topology, const WorldSizes& sizes)
{
    World large = newWorld(topology, calendarSeed, sizes);
    for (int index = 0; index < large.cellCount; ++index) large.cells[index].field[environmentField] = (index % 97) / 96.0f;
    return large;
}

// A world whose cells are under a pixel is drawn as a texture of its cells: the frame shows at a
// pixel the colour of the cell the pick pass finds there.
TEST_F(WorldRendering, ALargeWorldShowsThePickedCellsColour)
{
    WorldSizes sizes;
    sizes.planeWidth = sizes.planeHeight = 1024;
    sizes.sphereRows = 601;
    sizes.discRings = 400;
    view.innerRenderMode = noneMode;
    // The window's centre: on the plane a texel of 2 x 2 cells showing its upper right one; on the
    // disc, at 225 degrees in the texel of rings 0 and 1, ring 1's sixth cell (rings 2506 apart);
    // on the sphere the front of the equator row, its second cell, a texel of two rows showing the lower.
    for (const auto& [topology, centre] :
         {std::pair{planeTopology, 511 * 1024 + 513}, {discTopology, 2506 + 5}, {sphereTopology, 301 * 1204 + 1}}) {
        startWorld(largeWorld(topology, sizes));
        view.camera = worldCamera(world);
        view.outerRenderMode = environmentMode;
        drawFrame();
        const auto rgb = readFrame();
        EXPECT_GT(viewportStride(world, view), 0) << topologyNames[topology];
        EXPECT_EQ(pickCellAt(world, view, frameSize / 2, frameSize / 2), centre) << topologyNames[topology];
        for (const int x : {250, 333, 370, 371, 420, 480})
            for (const int y : {290, 369, 370, 450}) {
                const int cell = pickCellAt(world, view, x, y);
                ASSERT_NE(cell, -1) << topologyNames[topology] << " at " << x << ", " << y;
                const Colour colour = environmentRamp(world.cells[cell].field[environmentField]);
                const auto byte = [](float value) { return static_cast<int>(std::lround(value * 255)); };
                const std::size_t at = (static_cast<std::size_t>(frameSize - 1 - y) * frameSize + x) * 3;
                expectColour({rgb[at], rgb[at + 1], rgb[at + 2]}, {byte(colour.red), byte(colour.green), byte(colour.blue)},
                             topologyNames[topology] + (" at " + std::to_string(x)) + ", " + std::to_string(y));
            }
    }
}

// The camera a world starts from stands back, and '+' stops, in proportion to the world's extent
// past its topology's default.
TEST_F(WorldRendering, TheCameraGrowsWithTheWorld)
{
    const struct {
        int topology;
        int measures[2];
        float distance, farthest;
    } cameras[] = {
        {planeTopology, {80, 80}, 50, 1000}, {planeTopology, {40, 16}, 50, 1000},    {planeTopology, {512, 1024}, 640, 12800},
        {discTopology, {40, 0}, 50, 1000},   {discTopology, {400, 0}, 500, 10000},   {sphereTopology, {79, 0}, 50, 1000},
        {sphereTopology, {9, 0}, 50, 1000},  {sphereTopology, {799, 0}, 500, 10000},
    };
    for (const auto& camera : cameras) {
        SCOPED_TRACE(std::string(topologyNames[camera.topology]) + " " + std::to_string(camera.measures[0]));
        WorldSizes sizes;
        setMeasures(camera.topology, camera.measures, sizes);
        startWorld(newWorld(planeTopology == camera.topology ? discTopology : planeTopology, 1, sizes));
        view.camera = Camera{};
        changeTopology(camera.topology);
        EXPECT_EQ(view.camera.distance, camera.distance) << "after a topology change";
        view.camera.distance = camera.farthest - 0.5f;
        handleKey('+', 0);
        EXPECT_EQ(view.camera.distance, camera.farthest);
    }
}

TEST_F(WorldRendering, HoldingTheButtonTouchesTheCellUnderTheMouseWithAGrowingBrush)
{
    act(nullptr, [](World& living) {
        living.cells[3240].field[populationField] = 0.3f;
        living.cells[3240].group = Group{4, 2, 0.3f, 0.4f, colourRed};
    });
    touchHeld = true;
    ASSERT_TRUE(pixelOf(3240, mouseX, mouseY));
    pickAndTouch();
    EXPECT_EQ(view.selectedIndex, 3240);
    EXPECT_EQ(panelGroup.id, 4) << "the panel follows";
    EXPECT_FLOAT_EQ(cellSliders[populationField], 0.3f);
    mouseX = mouseY = 3;
    pickAndTouch();
    EXPECT_EQ(view.selectedIndex, -1) << "a press on nothing";
    EXPECT_EQ(panelGroup.id, -1);

    touchStartTime = 1.0f;
    for (const auto& [ms, radius] : {std::pair{1000u, 0.0f}, {3500u, 0.25f}, {6000u, 1.0f}, {9000u, 1.0f}}) {
        fakeMilliseconds = ms;
        EXPECT_FLOAT_EQ(touchRadius(), radius) << "the square of a ramp over five seconds, at " << ms;
    }
}

}  // namespace
