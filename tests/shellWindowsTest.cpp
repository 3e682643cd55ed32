// The shell's windows driven through their callbacks: the camera keys and drags, the frame loop's
// pacing, the two control panels and the Plots window.
#include "controlPanels.h"
#include "digest.h"
#include "frameLoop.h"
#include "glTestContext.h"
#include "input.h"
#include "platformWheel.h"
#include "plotsWindow.h"
#include "renderMode.h"
#include "shellFixture.h"
#include "worldHash.h"
#include "worldWatchers.h"

#include <GL/glut.h>

#include <cstring>
#include <functional>
#include <sstream>

namespace {

class ShellWindows : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        useTestWindow(740, 740);
        mainWindow = glutGetWindow();
        useFakeClock();
        freshWorld(planeTopology);
        watchWorldFromEveryWindow();
        openWheelMouse();
        readWheel();  // the first reading is always 0
    }
    void TearDown() override
    {
        touchHeld = false;
        ShellTest::TearDown();
    }
    static void rightDrag(int toX, int toY, int modifiers = 0)
    {
        handleMouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 100, 100, modifiers);
        onDrag(toX, toY);
        handleMouseButton(GLUT_RIGHT_BUTTON, GLUT_UP, toX, toY, modifiers);
    }
};

TEST_F(ShellWindows, KeysDragsAndTheWheelMoveTheCamera)
{
    const struct {
        std::function<void()> input;
        const char* camera;  // distance, pitch, yaw, roll, pan
    } moves[] = {
        // One move a line.
        // clang-format off
        {[] { onSpecialKey(GLUT_KEY_LEFT, 0, 0); }, "50 0 355 0 0,0"},
        {[] { view.camera.yaw = 355; onSpecialKey(GLUT_KEY_RIGHT, 0, 0); }, "50 0 360 0 0,0"},  // exactly 360 stays
        {[] { view.camera.pitch = 88; onSpecialKey(GLUT_KEY_UP, 0, 0); onSpecialKey(GLUT_KEY_PAGE_UP, 0, 0); }, "50 90 360 0 0,0"},
        {[] { view.camera.yaw = 358; onSpecialKey(GLUT_KEY_RIGHT, 0, 0); }, "50 90 3 0 0,0"},  // past 360 it wraps
        {[] { view.camera.pitch = -88; onSpecialKey(GLUT_KEY_DOWN, 0, 0); }, "50 -90 3 0 0,0"},
        {[] { view.camera = Camera{}; view.camera.distance = 20.5f; onKeyboard('-', 0, 0); onKeyboard('-', 0, 0); }, "20 0 0 0 0,0"},
        {[] { view.camera.distance = 999.5f; onKeyboard('+', 0, 0); onKeyboard('a', 0, 0); }, "1000 0 0 0 0,0"},
        {[] { view.camera = Camera{}; rightDrag(110, 100); }, "50 0 0 0 5,0"},  // a hundredth of the distance per pixel
        {[] { view.camera = Camera{}; view.camera.pitch = 88; rightDrag(103, 107, GLUT_ACTIVE_SHIFT); }, "50 95 0 3 0,0"},  // no clamp
        {[] { view.camera = Camera{}; view.camera.roll = 90; rightDrag(110, 100); }, "50 0 0 90 0.00398137,-5"},  // 6.28 a turn
        {[] { view.camera = Camera{}; topologyChoice = sphereTopology; rightDrag(112, 91, GLUT_ACTIVE_SHIFT); }, "50 -9 12 0 0,0"},
        {[] { rightDrag(112, 91); topologyChoice = planeTopology; }, "50 -18 24 0 0,0"},  // on the sphere every drag turns
        {[] { view.camera = Camera{}; takeWheelButton(3, GLUT_DOWN); takeWheelButton(3, GLUT_DOWN); runFrame(); }, "42 0 0 0 0,0"},
        {[] { takeWheelButton(4, GLUT_DOWN); takeWheelButton(3, GLUT_UP); runFrame(); runFrame(); }, "48.72 0 0 0 0,0"},
        // clang-format on
    };
    for (const auto& move : moves) {
        move.input();
        std::ostringstream camera;
        camera << view.camera.distance << " " << view.camera.pitch << " " << view.camera.yaw << " " << view.camera.roll << " "
               << view.camera.panX << "," << view.camera.panY;
        EXPECT_EQ(camera.str(), move.camera);
    }
    EXPECT_FALSE(takeWheelButton(GLUT_LEFT_BUTTON, GLUT_DOWN)) << "only the wheel's buttons";
    fakeMilliseconds = 4000;
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 120, 0);
    fakeMilliseconds = 6000;
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 101, 121, 0);
    onMouseButton(3, GLUT_DOWN, 10, 10);
    EXPECT_TRUE(touchHeld) << "a second press and the wheel keep the touch";
    EXPECT_EQ(touchStartTime, 4.0f) << "of the first press";
    for (int button : {GLUT_RIGHT_BUTTON, GLUT_MIDDLE_BUTTON, GLUT_LEFT_BUTTON}) {
        handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5, 0);
        handleMouseButton(button, GLUT_UP, 5, 5, 0);
        EXPECT_FALSE(touchHeld) << "button " << button << " ends it";
    }
}

TEST_F(ShellWindows, TheFrameLoopPacesStepsAndRebuildsTheChosenWorld)
{
    const struct {
        int speed;
        float now;
        int steps;
    } frames[] = {
        {0, 100.0f, 0},  // Paused never steps
        {4, 100.0f, 1},  {4, 100.0f, 1},  // no catching up: one step a frame at most
        {4, 100.02f, 1}, {4, 100.04f, 2},  // Cheetah: 1/30 s
        {3, 100.1f, 2},  {3, 100.15f, 3},  // Swallow: 0.1 s
        {1, 102.0f, 3},  {1, 103.2f, 4},  // Turtle: 3 s
        {2, 103.8f, 4},  {2, 104.0f, 5},  // Llama: 0.75 s
    };
    for (const auto& frame : frames) {
        speed = frame.speed;
        fakeMilliseconds = static_cast<std::uint32_t>(frame.now * 1000.0f + 0.5f);
        runFrame();
        EXPECT_EQ(world.stepCount, frame.steps) << "speed " << frame.speed << " at " << frame.now;
    }
    view.camera.yaw = 30.0f;
    topologyChoice = 7;
    runFrame();
    EXPECT_TRUE(world.empty()) << "a topology that fails is tried again every frame";
    topologyChoice = discTopology;
    runFrame();
    EXPECT_EQ(world.topology, discTopology);
    EXPECT_EQ(view.camera.yaw, 0.0f) << "the view is reset after a rebuild";
    view.camera.yaw = 30.0f;
    runFrame();
    EXPECT_EQ(view.camera.yaw, 30.0f) << "the same choice again does nothing";
}

// The first control of a tree with the name (radio buttons among them).
Control* named(Control* control, const std::string& text)
{
    Control* found = control->name == text ? control : nullptr;
    for (Control* child = control->firstChild; child && !found; child = child->nextSibling) found = named(child, text);
    return found;
}

// Presses and releases the left button on the named control, within the named one, and drags a slider's knob.
void click(PanelWindow& window, const std::string& name, const std::string& within = "", int toX = -1)
{
    Control* control = named(within.empty() ? window.rootPanel : named(window.rootPanel, within), name);
    const bool slider = control->kind == Control::sliderKind;
    const int x = control->xAbs + (slider ? static_cast<Slider*>(control)->knobPos + 5 : 5),
              y = control->yAbs + (slider ? 30 : 5);
    glutSetWindow(window.windowId);
    window.mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y, 0);
    if (slider) window.motion(control->xAbs + toX, y);
    window.mouse(GLUT_LEFT_BUTTON, GLUT_UP, slider ? control->xAbs + toX : x, y, 0);
}

TEST_F(ShellWindows, TheControlPanelsDrawAsRecordedAndWorkTheWorld)
{
    if (!simulationPanel) {
        panelGroup.field = 0;  // the setting the panels start with, before a world shows in them
        buildSimulationPanel();
        buildRenderPanel();
    }
    Digest pictures;
    for (PanelWindow* window : {simulationPanel, renderPanel})
        for (unsigned char byte : panelPicture(*window)) pictures << byte;
    EXPECT_EQ(pictures.value, 0xd5daa8c56de2201full) << "every control in its place";

    PanelWindow& panel = *simulationPanel;
    click(panel, "Pollution");
    click(panel, "Human Rules");
    const float fed[] = {1, 1, 1, 1, 1, 1, 0, 0};
    EXPECT_EQ(std::memcmp(world.rules, fed, sizeof fed), 0) << "the rule slots follow the boxes at once";
    speed = 0;
    click(panel, "Kill All");
    click(panel, "Seed Life");
    const std::uint64_t seeded = worldHash(world);
    click(panel, "Population", "", 45);
    click(panel, "Parameter Center", "", 60);
    EXPECT_EQ(worldHash(world), seeded) << "without a selection, or without a group, the sliders change nothing";
    act(nullptr, [](World& grouped) {
        for (int index : {10, 11, 12}) grouped.cells[index].group = Group{5, phenotypeField, 0.1f, 0.4f, colourRed};
        grouped.cells[10].field[populationField] = grouped.cells[12].field[populationField] = 0.4f;
        grouped.cells[12].group.id = 6;
    });
    view.selectedIndex = selectableCell(world, 10);
    click(panel, "Step");
    EXPECT_EQ(world.stepCount, 1) << "Step works while paused";
    EXPECT_EQ(cellSliders[populationField], world.cells[10].field[populationField]) << "the selection shows";
    EXPECT_EQ(panelGroup.id, 5) << "with its group";
    click(panel, "Metabolism", "", 90);
    EXPECT_EQ(world.cells[10].field[metabolismField], 1.0f);
    EXPECT_NE(world.cells[11].field[metabolismField], 1.0f) << "the selected cell alone";
    click(panel, "Entire Group");
    click(panel, "Terraform", "", 45);
    EXPECT_LT(std::abs(world.cells[11].field[terraformField] - 0.5f), 1e-6f) << "every member of the group, living or not";
    EXPECT_NE(world.cells[12].field[terraformField], 0.5f) << "and no cell of another group";
    click(panel, "Metabolism", "Group");
    click(panel, "Parameter Center", "", 90);
    EXPECT_EQ(world.cells[10].group.field, metabolismField);
    EXPECT_EQ(world.cells[10].group.center, 1.0f);
    const float ground = world.cells[100].field[environmentField];
    click(panel, "Generate Env");
    EXPECT_NE(world.cells[100].field[environmentField], ground);
    act(nullptr, [](World& odd) {
        odd.cells[10].field[populationField] = -0.25f;
        odd.cells[10].group.id = -1;
    });
    testing::internal::CaptureStdout();
    syncPanelFromSelection();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "cell field 1 = -0.250000\n");
    EXPECT_EQ(panelGroup.field, -1) << "a cell without a group shows none";
    const std::tuple<const char*, const char*, int*, int> choices[] = {
        {"Outer", "Fitness Map", &view.outerRenderMode, fitnessMapMode},
        {"Inner", "Groups", &view.innerRenderMode, groupsMode},
        {"Z", "Population", &view.zRenderMode, populationMode}};
    for (const auto& [within, name, setting, mode] : choices) {
        click(*renderPanel, name, within);
        EXPECT_EQ(*setting, mode) << within;
    }
}

// The curves of a world gone back three steps: its rows up to the step shown, the axis of steps
// under them (its last label kept within the curves), "step 150" and "3 back"; every pixel as recorded.
TEST_F(ShellWindows, ThePlotsWindowShowsThePresentWorldsPastAndTheStepItStandsAt)
{
    for (int step = 0; step < 153; ++step) stepWorld();
    for (int step = 0; step < 3; ++step) goBack();
    openPlots();
    drawPlots();  // the first showing makes the characters
    drawPlots();
    glutSetWindow(plotsWindowId());
    const WindowPlace size = plotsSize();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(size.width) * size.height * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, size.width, size.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    closePlots();
    Digest picture;
    for (unsigned char byte : rgb) picture << byte;
    EXPECT_EQ(picture.value, 0xe61330acde386eb8ull) << "the curves, their scales, the steps";
}

}  // namespace
