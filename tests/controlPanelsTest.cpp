// The Simulation and Render windows built for real, driven through their controls.
#include "controlPanels.h"
#include "glTestContext.h"
#include "panelTestWindow.h"
#include "renderSettings.h"
#include "settings.h"
#include "shellState.h"
#include "world.h"
#include "worldActions.h"
#include "worldHash.h"
#include "worldSettings.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The first control of the tree whose name is the text (a radio button among them).
Control* named(Control* control, const std::string& text)
{
    if (control->name == text) return control;
    for (Control* child = control->firstChild; child; child = child->nextSibling)
        if (Control* found = named(child, text)) return found;
    return nullptr;
}

int columnBreaks(const PanelWindow& window)
{
    int count = 0;
    for (const Control* child = window.rootPanel->firstChild; child; child = child->nextSibling)
        count += child->kind == Control::columnBreakKind;
    return count;
}

class ControlPanels : public testing::Test {
protected:
    void SetUp() override
    {
        useTestWindow(740, 740);
        mainWindow = glutGetWindow();
        if (!simulationPanel) {
            buildSimulationPanel();
            buildRenderPanel();
            processEvents();
        }
        world = World{};
        ASSERT_EQ(setTopology(planeTopology), 1);
        feedRules();
        entireGroup = 0;
        speed = 0;
        syncPanelFromSelection();
    }
    void TearDown() override
    {
        world = World{};
        speed = 3;
        entireGroup = 0;
        syncPanelFromSelection();
    }

    // Presses and releases the left button on a control of the Simulation window (within a panel).
    static void click(const std::string& name, const std::string& panel = "")
    {
        Control* within = panel.empty() ? simulationPanel->rootPanel : named(simulationPanel->rootPanel, panel);
        Control* control = named(within, name);
        ASSERT_NE(control, nullptr) << name;
        glutSetWindow(simulationPanel->windowId);
        const int x = control->xAbs + (control->kind == Control::buttonKind ? control->width / 2 : 5);
        const int y = control->yAbs + control->height / 2;
        simulationPanel->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y, 0);
        simulationPanel->mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y, 0);
    }
    // Drags a slider's knob so that it stands at knob pixels along its track.
    static void slide(const std::string& name, int knob)
    {
        auto* slider = static_cast<Slider*>(named(simulationPanel->rootPanel, name));
        ASSERT_NE(slider, nullptr) << name;
        glutSetWindow(simulationPanel->windowId);
        const int y = slider->yAbs + 30;
        simulationPanel->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, slider->xAbs + slider->knobPos + 5, y, 0);
        simulationPanel->motion(slider->xAbs + knob, y);
        simulationPanel->mouse(GLUT_LEFT_BUTTON, GLUT_UP, slider->xAbs + knob, y, 0);
    }
    static Cell& livingCell(int index)
    {
        Cell& cell = world.cells[index];
        cell.field[populationField] = 0.4f;
        cell.field[technologyField] = 0.3f;
        return cell;
    }
};

TEST_F(ControlPanels, BothWindowsHaveThreeColumns)
{
    EXPECT_EQ(columnBreaks(*simulationPanel), 2);
    EXPECT_EQ(columnBreaks(*renderPanel), 2);
    for (const char* title : {"Rules", "Topology", "Touch", "Shiva", "Speed", "Cell", "Group"})
        EXPECT_NE(named(simulationPanel->rootPanel, title), nullptr) << title;
    for (const char* title : {"Outer", "Inner", "Z", "Tile size", "Elevation"})
        EXPECT_NE(named(renderPanel->rootPanel, title), nullptr) << title;
    EXPECT_EQ(simulationPanel->mainGraphicsWindow, mainWindow);
    glutSetWindow(renderPanel->windowId);
    processEvents();
    EXPECT_EQ(glutGet(GLUT_WINDOW_X), 0);
    EXPECT_EQ(glutGet(GLUT_WINDOW_Y), 680);
}

TEST_F(ControlPanels, StepWhilePausedAdvancesOneStepAndShowsTheSelection)
{
    livingCell(3240);
    selectCell(3240);
    click("Step");
    EXPECT_EQ(getStepCount(), 1);
    for (int f = 0; f < cellFieldCount; ++f) EXPECT_EQ(cellSliders[f], world.cells[3240].field[f]) << cellFieldNames[f];
    click("Step");
    EXPECT_EQ(getStepCount(), 2);
}

TEST_F(ControlPanels, ShivaButtonsKillSeedAndRegenerate)
{
    click("Kill All");
    int living = 0;
    for (int index = 0; index < world.cellCount; ++index) living += world.cells[index].field[populationField] != 0.0f;
    EXPECT_EQ(living, 0);
    click("Seed Life");
    for (int index = 0; index < world.cellCount; ++index) living += world.cells[index].field[populationField] != 0.0f;
    EXPECT_EQ(living, 1);
    const float ground = world.cells[100].field[environmentField];
    click("Generate Env");
    EXPECT_NE(world.cells[100].field[environmentField], ground);
}

TEST_F(ControlPanels, WithoutASelectionACellSliderChangesNothingUntilTheNextRefresh)
{
    const std::uint64_t before = worldHash();
    slide("Population", 45);
    EXPECT_FLOAT_EQ(cellSliders[populationField], 0.5f) << "the slider keeps the moved value";
    EXPECT_EQ(worldHash(), before);
    syncPanelFromSelection();
    EXPECT_EQ(cellSliders[populationField], 0.0f);
    EXPECT_EQ(static_cast<Slider*>(named(simulationPanel->rootPanel, "Population"))->knobPos, 0);
}

TEST_F(ControlPanels, ACellSliderWritesTheSelectedCell)
{
    livingCell(500);
    selectCell(500);
    syncPanelFromSelection();
    slide("Metabolism", 90);
    EXPECT_EQ(world.cells[500].field[metabolismField], 1.0f);
    EXPECT_EQ(world.cells[501].field[metabolismField], 0.0f);
}

TEST_F(ControlPanels, EntireGroupWritesEveryMemberLivingOrNot)
{
    livingCell(10).group.id = 5;
    world.cells[11].group.id = 5;  // without life
    livingCell(12).group.id = 6;
    selectCell(10);
    syncPanelFromSelection();
    ASSERT_EQ(panelGroup.id, 5);
    click("Entire Group");
    ASSERT_EQ(entireGroup, 1);
    slide("Terraform", 45);
    EXPECT_FLOAT_EQ(world.cells[10].field[terraformField], 0.5f);
    EXPECT_FLOAT_EQ(world.cells[11].field[terraformField], 0.5f);
    EXPECT_EQ(world.cells[12].field[terraformField], 0.0f);
}

TEST_F(ControlPanels, GroupControlsRedefineTheSelectedCellsGroup)
{
    Cell& member = livingCell(20);
    member.group = Group{9, phenotypeField, 0.1f, 0.4f, colourRed};
    Cell& other = livingCell(21);
    other.group = Group{9, phenotypeField, 0.1f, 0.4f, colourRed};
    selectCell(20);
    syncPanelFromSelection();
    click("Metabolism", "Group");
    EXPECT_EQ(member.group.field, metabolismField);
    slide("Parameter Center", 90);
    EXPECT_EQ(member.group.center, 1.0f);
    EXPECT_EQ(other.group.center, 1.0f);
}

TEST_F(ControlPanels, WithoutAGroupTheParameterSlidersChangeNothing)
{
    const std::uint64_t before = worldHash();
    slide("Parameter Center", 60);
    slide("Parameter Deviation", 30);
    EXPECT_EQ(worldHash(), before);
}

TEST_F(ControlPanels, ACellWithoutAGroupShowsNone)
{
    livingCell(40);
    panelGroup = Group{3, 4, 0.5f, 0.5f, colourBlue};
    selectCell(40);
    syncPanelFromSelection();
    EXPECT_EQ(panelGroup.id, -1);
    EXPECT_EQ(panelGroup.field, -1) << "no Group button stands for it";
    EXPECT_EQ(panelGroup.center, 0.0f);
    EXPECT_EQ(panelGroup.deviation, 0.0f);
    auto* parameterCenter = static_cast<Slider*>(named(simulationPanel->rootPanel, "Parameter Center"));
    EXPECT_EQ(parameterCenter->knobPos, 0);
}

TEST_F(ControlPanels, OutOfRangeValuesAreReported)
{
    livingCell(60).field[populationField] = -0.25f;
    world.cells[60].field[cultureRedField] = 1.5f;
    selectCell(60);
    testing::internal::CaptureStdout();
    syncPanelFromSelection();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "cell field 1 = -0.250000\ncell field 9 = 1.500000\n");
}

TEST_F(ControlPanels, RenderChoicesWriteTheirSettings)
{
    auto* phenotype = static_cast<RadioButton*>(named(renderPanel->rootPanel, "Phenotype"));
    glutSetWindow(renderPanel->windowId);
    renderPanel->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, phenotype->xAbs + 5, phenotype->yAbs + 5, 0);
    renderPanel->mouse(GLUT_LEFT_BUTTON, GLUT_UP, phenotype->xAbs + 5, phenotype->yAbs + 5, 0);
    EXPECT_EQ(outerRenderMode, 1);
    outerRenderMode = 0;
    renderPanel->syncLive();
}

}  // namespace
