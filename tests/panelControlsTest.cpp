// The controls' press, hold and release, their live variables and callbacks.
#include "panelTestWindow.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

std::vector<int> fired;
std::vector<int> currentWindowAtCallback;
void record(int id)
{
    fired.push_back(id);
    currentWindowAtCallback.push_back(glutGetWindow());
}

int mainDisplays = 0;
void countDisplay() { ++mainDisplays; }

int centreX(const Control& control) { return control.xAbs + control.width / 2; }
int centreY(const Control& control) { return control.yAbs + control.height / 2; }

class PanelControls : public testing::Test {
protected:
    void SetUp() override
    {
        fired.clear();
        currentWindowAtCallback.clear();
        initialiseGlut();
        if (mainWindow == 0) {
            glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
            mainWindow = glutCreateWindow("main graphics");
            glutDisplayFunc(countDisplay);
        }
        window = freshPanelWindow("Controls");
        window->setMainGraphicsWindow(mainWindow);
        processEvents();
        mainDisplays = 0;
    }
    void TearDown() override
    {
        for (const auto& each : panelManager.windows) each->deactivateCurrent();
    }

    void release(int x, int y) { window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y, 0); }
    // Redisplays the main window had posted since the last look.
    static int mainRedisplaysPosted()
    {
        processEvents();
        const int posted = mainDisplays;
        mainDisplays = 0;
        return posted;
    }

    static int mainWindow;
    PanelWindow* window = nullptr;
};
int PanelControls::mainWindow = 0;

TEST_F(PanelControls, CheckboxReleasedOutsideRestoresAndFiresNothing)
{
    int value = 0;
    Checkbox* box = window->addCheckbox(nullptr, "Box", &value, 5, record);
    window->addStaticText("elsewhere");
    const int outsideY = box->yAbs + box->height + 10;
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*box), centreY(*box), 0);
    EXPECT_EQ(box->intValue, 1) << "the box shows what a release would give";
    window->motion(centreX(*box), outsideY);
    EXPECT_EQ(box->intValue, 0);
    release(centreX(*box), outsideY);
    EXPECT_EQ(value, 0);
    EXPECT_TRUE(fired.empty());

    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*box), centreY(*box), 0);
    window->motion(centreX(*box), outsideY);
    window->motion(centreX(*box), centreY(*box));  // back inside before the release
    release(centreX(*box), centreY(*box));
    EXPECT_EQ(value, 1);
    EXPECT_EQ(fired, std::vector<int>{5});
}

TEST_F(PanelControls, CheckboxWithAnOddValueShowsOnAndFlipsToOneMinusIt)
{
    int value = 5;
    Checkbox* box = window->addCheckbox(nullptr, "Odd", &value, 1, nullptr);
    EXPECT_EQ(box->intValue, 5);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*box), centreY(*box), 0);
    release(centreX(*box), centreY(*box));
    EXPECT_EQ(value, -4);
}

TEST_F(PanelControls, ClickingTheChosenRadioButtonFiresNothing)
{
    int choice = 1;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 7, record);
    RadioButton* first = window->addRadioButton(group, "First");
    RadioButton* second = window->addRadioButton(group, "Second");
    EXPECT_EQ(group->intValue, 1);
    (void)first;

    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*second), centreY(*second), 0);
    release(centreX(*second), centreY(*second));
    EXPECT_TRUE(fired.empty());
    choice = 99;  // nothing is written either
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*second), centreY(*second), 0);
    release(centreX(*second), centreY(*second));
    EXPECT_EQ(choice, 99);
    choice = 1;

    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*first), centreY(*first), 0);
    release(centreX(*first), centreY(*first));
    EXPECT_EQ(choice, 0);
    EXPECT_EQ(fired, std::vector<int>{7}) << "the group's callback with the group's id";
}

TEST_F(PanelControls, RadioPressReleasedOutsidePutsTheChoiceBack)
{
    int choice = 0;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 7, record);
    window->addRadioButton(group, "First");
    RadioButton* second = window->addRadioButton(group, "Second");
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*second), centreY(*second), 0);
    EXPECT_EQ(group->intValue, 1);
    window->motion(centreX(*second), second->yAbs + 60);
    EXPECT_EQ(group->intValue, 0);
    release(centreX(*second), second->yAbs + 60);
    EXPECT_EQ(choice, 0);
    EXPECT_TRUE(fired.empty());
}

TEST_F(PanelControls, AProgramWriteDuringARadioPressShowsOnceTheButtonIsUp)
{
    int choice = 0;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 7, record);
    window->addRadioButton(group, "First");
    RadioButton* second = window->addRadioButton(group, "Second");
    window->addRadioButton(group, "Third");
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*second), centreY(*second), 0);
    choice = 2;
    window->syncLive();
    EXPECT_EQ(group->intValue, 1) << "the pressed choice stays while the button is held";
    release(centreX(*second), second->yAbs + 60);
    window->syncLive();
    EXPECT_EQ(group->intValue, 2) << "released outside: the program's choice shows";
    EXPECT_EQ(choice, 2);
    EXPECT_TRUE(fired.empty());
}

TEST_F(PanelControls, RadioGroupShowsAValueTheProgramSet)
{
    int choice = 0;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 7, record);
    window->addRadioButton(group, "First");
    RadioButton* second = window->addRadioButton(group, "Second");
    choice = 1;
    window->syncLive();
    EXPECT_EQ(group->intValue, 1);
    EXPECT_EQ(second->intValue, 1);
    EXPECT_TRUE(fired.empty()) << "syncLive fires nothing";
    choice = -1;
    window->syncLive();
    for (Control* button = group->firstChild; button; button = button->nextSibling) EXPECT_EQ(button->intValue, 0);
}

TEST_F(PanelControls, AButtonFiresOnlyOnReleaseOverItselfWithTheMainWindowCurrent)
{
    Button* button = window->addButton(nullptr, "Fire", 9, record);
    window->addStaticText("beside");
    processEvents();
    mainRedisplaysPosted();

    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*button), centreY(*button), 0);
    EXPECT_EQ(button->intValue, 1);
    window->motion(centreX(*button), button->yAbs + 40);
    release(centreX(*button), button->yAbs + 40);
    EXPECT_TRUE(fired.empty());
    EXPECT_EQ(button->intValue, 0);

    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, centreX(*button), centreY(*button), 0);
    release(centreX(*button), centreY(*button));
    EXPECT_EQ(fired, std::vector<int>{9});
    EXPECT_EQ(currentWindowAtCallback, std::vector<int>{mainWindow});
    EXPECT_EQ(glutGetWindow(), window->windowId) << "the panel window is current again";
    EXPECT_GE(mainRedisplaysPosted(), 1) << "the main window was asked to redisplay";
}

class SliderControl : public PanelControls {
protected:
    void SetUp() override
    {
        PanelControls::SetUp();
        slider = window->addSlider("Level", Control::floatLive, &level, 4, record);
        slider->setFloatLimits(0.0f, 1.0f);
    }
    // Window coordinates of the knob's middle.
    int knobX() const { return slider->xAbs + slider->knobPos + 5; }
    int knobY() const { return slider->yAbs + 30; }

    float level = 0.0f;
    Slider* slider = nullptr;
};

TEST_F(SliderControl, KnobAndValueMapOneToTheOther)
{
    EXPECT_EQ(slider->track(), 90);
    slider->knobPos = 45;
    EXPECT_FLOAT_EQ(slider->floatFromKnob(), 0.5f);
    level = 1.0f;
    window->syncLive();
    EXPECT_EQ(slider->knobPos, 90);
    level = 0.25f;
    window->syncLive();
    EXPECT_EQ(slider->knobPos, 22) << "truncated";
}

TEST_F(SliderControl, DraggingPastEitherEndClampsAndFiresOnEveryMotion)
{
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, knobX(), knobY(), 0);
    ASSERT_TRUE(slider->dragging);
    window->motion(slider->xAbs + 500, knobY());
    EXPECT_EQ(slider->knobPos, 90);
    EXPECT_EQ(level, 1.0f);
    window->motion(slider->xAbs + 600, knobY() + 80);  // outside the slider: the drag goes on
    EXPECT_EQ(level, 1.0f);
    window->motion(slider->xAbs - 300, knobY());
    EXPECT_EQ(slider->knobPos, 0);
    EXPECT_EQ(level, 0.0f);
    EXPECT_EQ(fired, (std::vector<int>{4, 4, 4})) << "every motion, changed or not";
    release(slider->xAbs - 300, knobY());
    EXPECT_FALSE(slider->dragging);
    EXPECT_EQ(fired.size(), 3u) << "the release fires nothing";
}

TEST_F(SliderControl, APressOnTheTrackBesideTheKnobDoesNothing)
{
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, slider->xAbs + 60, knobY(), 0);
    EXPECT_FALSE(slider->dragging);
    window->motion(slider->xAbs + 70, knobY());
    release(slider->xAbs + 70, knobY());
    EXPECT_EQ(slider->knobPos, 0);
    EXPECT_EQ(level, 0.0f);
    EXPECT_TRUE(fired.empty());
    window->keyboard(' ', 0);  // Space presses at (0, 0): it misses the knob too
    EXPECT_TRUE(fired.empty());
}

TEST_F(SliderControl, EqualLimitsDoNotDivideByZero)
{
    slider->setFloatLimits(0.5f, 0.5f);
    EXPECT_EQ(slider->knobPos, 0);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, knobX(), knobY(), 0);
    window->motion(slider->xAbs + 50, knobY());
    EXPECT_EQ(level, 0.5f);
    release(slider->xAbs + 50, knobY());
    level = 0.7f;
    window->syncLive();
    EXPECT_EQ(slider->knobPos, 0);
}

TEST_F(SliderControl, ValuesThatAreNotNumbersLeaveTheKnobSafe)
{
    level = std::numeric_limits<float>::infinity();
    window->syncLive();
    EXPECT_EQ(slider->knobPos, std::numeric_limits<int>::max());
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, slider->xAbs + 5, knobY(), 0);  // the knob is far away
    EXPECT_FALSE(slider->dragging);
    release(slider->xAbs + 5, knobY());
    level = -std::numeric_limits<float>::infinity();
    window->syncLive();
    EXPECT_EQ(slider->knobPos, std::numeric_limits<int>::min());
    level = std::nanf("");
    window->syncLive();  // unordered: counts as no change
    slider->setFloat(std::nanf(""));
    EXPECT_EQ(slider->knobPos, 0);
}

TEST_F(SliderControl, SyncWhileDraggingLeavesTheDraggedSliderAlone)
{
    int other = 0;
    Checkbox* box = window->addCheckbox(nullptr, "Other", &other, 8, nullptr);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, knobX(), knobY(), 0);
    window->motion(slider->xAbs + 45, knobY());
    level = 0.9f;
    other = 1;
    window->syncLive();
    EXPECT_FLOAT_EQ(slider->floatValue, 0.5f) << "the user's drag wins";
    EXPECT_EQ(box->intValue, 1) << "the others follow the program";
    release(slider->xAbs + 50, knobY());
}

TEST_F(SliderControl, AnUnchangedVariableCausesNoRedisplayPost)
{
    int other = 0;
    window->addCheckbox(nullptr, "Other", &other, 8, nullptr);
    processEvents();
    mainRedisplaysPosted();
    window->syncLive();
    EXPECT_EQ(mainRedisplaysPosted(), 0);
    level = 0.3f;
    window->syncLive();
    EXPECT_EQ(mainRedisplaysPosted(), 1);
}

TEST_F(SliderControl, AnIntSliderMapsZeroToAHundred)
{
    int count = 50;
    Slider* counter = window->addSlider("Count", Control::intLive, &count, 6, nullptr);
    EXPECT_EQ(counter->knobPos, 45);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, counter->xAbs + 50, counter->yAbs + 30, 0);
    window->motion(counter->xAbs + 90, counter->yAbs + 30);
    EXPECT_EQ(count, 100);
    release(counter->xAbs + 90, counter->yAbs + 30);
}

}  // namespace
