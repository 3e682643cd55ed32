// GLUT events routed to controls, and the keyboard focus, through the window's handlers.
#include "panelTestWindow.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> fired;
void record(int id) { fired.push_back(id); }

// Presses and releases the left button at window points, as the window's mouse callback does.
void click(PanelWindow& window, int x, int y, int button = GLUT_LEFT_BUTTON)
{
    window.mouse(button, GLUT_DOWN, x, y, 0);
    window.mouse(button, GLUT_UP, x, y, 0);
}
int centreX(const Control& control) { return control.xAbs + control.width / 2; }
int centreY(const Control& control) { return control.yAbs + control.height / 2; }

class PanelRouting : public testing::Test {
protected:
    void SetUp() override
    {
        fired.clear();
        window = freshPanelWindow("Routing");
        panel = window->addPanel("Things", Panel::embossedBorder);
        first = window->addCheckbox(panel, "First", &firstValue, 11, record);
        second = window->addCheckbox(panel, "Second", &secondValue, 12, record);
        button = window->addButton(panel, "Go", 13, record);
        window->addStaticText("not focusable");
        processEvents();
    }
    void TearDown() override
    {
        for (const auto& each : panelManager.windows) each->deactivateCurrent();
    }

    PanelWindow* window = nullptr;
    Panel* panel = nullptr;
    Checkbox* first = nullptr;
    Checkbox* second = nullptr;
    Button* button = nullptr;
    int firstValue = 0;
    int secondValue = 1;
};

TEST_F(PanelRouting, FindsTheDeepestControlUnderThePoint)
{
    EXPECT_EQ(window->findControlAt(centreX(*first), centreY(*first)), first);
    EXPECT_EQ(window->findControlAt(panel->xAbs + 1, panel->yAbs + 1), panel);
    EXPECT_EQ(window->findControlAt(1, 1), window->rootPanel);
    EXPECT_EQ(window->findControlAt(first->xAbs, first->yAbs), first) << "both ends count";
    EXPECT_EQ(window->findControlAt(-5, -5), nullptr);
}

TEST_F(PanelRouting, AClickFocusesAndCommits)
{
    click(*window, centreX(*first), centreY(*first));
    EXPECT_EQ(firstValue, 1);
    EXPECT_EQ(fired, std::vector<int>{11});
    EXPECT_EQ(window->focusedControl, first);
    EXPECT_TRUE(first->focused);
    EXPECT_FALSE(window->buttonHeld);
}

TEST_F(PanelRouting, PressInsideReleaseOutsideGoesToThePressedControl)
{
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*first), centreY(*first), 0);
    EXPECT_TRUE(window->buttonHeld);
    window->motion(centreX(*second), centreY(*second));
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, centreX(*second), centreY(*second), 0);
    EXPECT_EQ(firstValue, 0) << "released outside: undone";
    EXPECT_EQ(secondValue, 1) << "the control under the release is not touched";
    EXPECT_TRUE(fired.empty());
    EXPECT_FALSE(window->buttonHeld);
}

TEST_F(PanelRouting, RightAndMiddleClicksDoNothing)
{
    click(*window, centreX(*first), centreY(*first), GLUT_RIGHT_BUTTON);
    click(*window, centreX(*first), centreY(*first), GLUT_MIDDLE_BUTTON);
    window->mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, centreX(*first), centreY(*first), 0);
    EXPECT_FALSE(window->buttonHeld);
    EXPECT_EQ(firstValue, 0);
    EXPECT_EQ(window->focusedControl, nullptr);
    EXPECT_TRUE(fired.empty());
}

TEST_F(PanelRouting, AClickOnEmptySpaceClearsTheFocus)
{
    click(*window, centreX(*first), centreY(*first));
    ASSERT_EQ(window->focusedControl, first);
    click(*window, panel->xAbs + 2, panel->yAbs + panel->height - 2);  // the panel itself
    EXPECT_EQ(window->focusedControl, nullptr);
    EXPECT_FALSE(first->focused);
    EXPECT_EQ(focusedControlsInProgram(), 0);
}

TEST_F(PanelRouting, TheFocusMovesBetweenWindows)
{
    PanelWindow* other = freshPanelWindow("Other");
    int otherValue = 0;
    Checkbox* elsewhere = other->addCheckbox(nullptr, "Elsewhere", &otherValue, 21, record);
    click(*window, centreX(*first), centreY(*first));
    EXPECT_EQ(focusedControlsInProgram(), 1);
    glutSetWindow(other->windowId);
    click(*other, centreX(*elsewhere), centreY(*elsewhere));
    EXPECT_EQ(focusedControlsInProgram(), 1);
    EXPECT_EQ(window->focusedControl, nullptr);
    EXPECT_FALSE(first->focused);
    EXPECT_EQ(panelManager.focusWindow, other);
    EXPECT_EQ(panelManager.focusControl, elsewhere);
    EXPECT_EQ(glutGetWindow(), other->windowId) << "the switch to repaint the other window is undone";
}

TEST_F(PanelRouting, TabInOneWindowTakesTheFocusFromTheOther)
{
    PanelWindow* other = freshPanelWindow("Other tab");
    int otherValue = 0;
    other->addCheckbox(nullptr, "Elsewhere", &otherValue, 21, record);
    click(*window, centreX(*first), centreY(*first));
    ASSERT_EQ(focusedControlsInProgram(), 1);
    glutSetWindow(other->windowId);
    other->keyboard('\t', 0);
    EXPECT_EQ(focusedControlsInProgram(), 1);
    EXPECT_FALSE(first->focused);
    window->keyboard('\t', 0);
    EXPECT_EQ(focusedControlsInProgram(), 1);
}

TEST_F(PanelRouting, APressBesideEveryControlNeverReleasesTheFocusedOne)
{
    window->keyboard('\t', 0);
    ASSERT_EQ(window->focusedControl, first);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, -5, -5, 0);
    EXPECT_TRUE(window->buttonHeld);
    window->motion(centreX(*first), centreY(*first));
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, -5, -5, 0);
    EXPECT_EQ(first->intValue, 0) << "no restore of a value the control never saved";
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, -5, -5, 0);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, centreX(*first), centreY(*first), 0);
    EXPECT_EQ(first->intValue, 0) << "and no commit of a click that never pressed it";
    EXPECT_EQ(firstValue, 0);
    EXPECT_TRUE(fired.empty());
    EXPECT_FALSE(window->buttonHeld);
    EXPECT_EQ(window->focusedControl, first) << "the focus stays";
}

TEST_F(PanelRouting, SpaceWhileAPressIsHeldChangesNothing)
{
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*first), centreY(*first), 0);
    window->keyboard(' ', 0);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, -5, -5, 0);
    EXPECT_EQ(first->intValue, 0);
    EXPECT_EQ(firstValue, 0) << "the control and its variable agree";
    EXPECT_TRUE(fired.empty());
    window->keyboard(' ', 0);
    EXPECT_EQ(firstValue, 1) << "Space works again once the button is up";
}

TEST_F(PanelRouting, APressCutShortByAnotherWindowPutsItsValueBack)
{
    PanelWindow* other = freshPanelWindow("Other press");
    int otherValue = 0;
    Checkbox* elsewhere = other->addCheckbox(nullptr, "Elsewhere", &otherValue, 21, record);
    other->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*elsewhere), centreY(*elsewhere), 0);
    ASSERT_EQ(elsewhere->intValue, 1) << "the box shows what a release would give";
    window->keyboard('\t', 0);  // this window takes the focus while the other's button is down
    EXPECT_EQ(elsewhere->intValue, 0) << "the press is undone";
    EXPECT_FALSE(elsewhere->focused);
    other->motion(centreX(*elsewhere), centreY(*elsewhere) + 40);
    other->mouse(GLUT_LEFT_BUTTON, GLUT_UP, centreX(*elsewhere), centreY(*elsewhere), 0);
    EXPECT_EQ(elsewhere->intValue, 0);
    EXPECT_EQ(otherValue, 0);
    EXPECT_TRUE(fired.empty());
    EXPECT_FALSE(other->buttonHeld);
}

TEST_F(PanelRouting, TabWalksTheFocusableControlsThenStopsOnce)
{
    window->keyboard('\t', 0);
    EXPECT_EQ(window->focusedControl, first);
    window->keyboard('\t', 0);
    EXPECT_EQ(window->focusedControl, second);
    window->keyboard('\t', 0);
    EXPECT_EQ(window->focusedControl, button);
    window->keyboard('\t', 0);
    EXPECT_EQ(window->focusedControl, nullptr) << "past the last: no focus";
    window->keyboard('\t', 0);
    EXPECT_EQ(window->focusedControl, first) << "then the first again";
}

TEST_F(PanelRouting, ShiftTabWalksBackward)
{
    window->keyboard('\t', GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(window->focusedControl, button) << "no focus: the last";
    window->keyboard('\t', GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(window->focusedControl, second);
    window->keyboard('\t', GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(window->focusedControl, first);
    window->keyboard('\t', GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(window->focusedControl, nullptr) << "on the first: no focus";
}

TEST_F(PanelRouting, TabWhileTheButtonIsHeldDoesNothing)
{
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*first), centreY(*first), 0);
    window->keyboard('\t', 0);
    EXPECT_EQ(window->focusedControl, first);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, centreX(*first), centreY(*first), 0);
}

TEST_F(PanelRouting, SpacePressesAndReleasesTheFocusedControl)
{
    window->keyboard('\t', 0);
    window->keyboard(' ', 0);
    EXPECT_EQ(firstValue, 1);
    window->keyboard('\t', 0);
    window->keyboard('\t', 0);
    window->keyboard(' ', 0);
    EXPECT_EQ(fired, (std::vector<int>{11, 13}));
    window->keyboard('x', 0);
    EXPECT_EQ(fired.size(), 2u);
}

TEST_F(PanelRouting, AWindowWithoutFocusableControlsHasNoneToTab)
{
    PanelWindow* quiet = freshPanelWindow("Quiet");
    quiet->addStaticText("nothing to press");
    quiet->keyboard('\t', 0);
    EXPECT_EQ(quiet->focusedControl, nullptr);
    quiet->keyboard('\t', GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(quiet->focusedControl, nullptr);
}

TEST_F(PanelRouting, EventsOfOtherWindowsAreIgnored)
{
    const int before = firstValue;
    initialiseGlut();
    const int plain = glutCreateWindow("not a panel");
    glutDisplayFunc([] {});
    panelCallbacks::mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*first), centreY(*first));
    panelCallbacks::keyboard('\t', 0, 0);
    EXPECT_EQ(firstValue, before);
    EXPECT_EQ(window->focusedControl, nullptr);
    glutDestroyWindow(plain);
}

}  // namespace
