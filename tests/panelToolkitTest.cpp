// The panel toolkit: the routing of GLUT events to controls, their live variables, callbacks and the
// keyboard focus; the rules of packing; the pictures of a focused and a pressed control.
#include "digest.h"
#include "fuzzInputs.h"
#include "fuzzScripts.h"
#include "glTestContext.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <sstream>

namespace {

std::string fired;
int mainWindow = 0;
void record(int id) { fired += std::to_string(id) + (glutGetWindow() == mainWindow ? " " : "? "); }

// Two windows holding every kind of control, the program's variables behind them, and a main
// graphics window for the callbacks.
class PanelToolkit : public testing::Test {
protected:
    void SetUp() override
    {
        fired.clear();
        initialiseGlut();
        if (mainWindow == 0) {
            glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
            mainWindow = glutCreateWindow("main graphics");
            glutDisplayFunc([] {});
        }
        window = freshPanelWindow("Toolkit");
        Panel* panel = window->addPanel("Things", Panel::embossedBorder);
        first = window->addCheckbox(panel, "First", &firstValue, 11, record);
        second = window->addCheckbox(panel, "Second", &secondValue, 12, record);
        button = window->addButton(panel, "Go", 13, record);
        window->addStaticText(panel, "not focusable");
        window->addColumnBreak(1);
        Panel* raised = window->addPanel("", Panel::raisedBorder);
        group = window->addRadioGroup(raised, &choice, 14, record);
        for (const char* name : {"One", "Two", "Three"}) radios.push_back(window->addRadioButton(group, name));
        slider = window->addSlider(raised, "Level", Control::floatLive, &level, 15, record);
        slider->setFloatLimits(0.0f, 1.0f);
        window->addSlider(raised, "Count", Control::intLive, &count, 16, record);
        window->setMainGraphicsWindow(mainWindow);
        other = freshPanelWindow("Other");
        elsewhere = other->addCheckbox(nullptr, "Elsewhere", &otherValue, 21, record);
        processEvents();
    }
    void TearDown() override
    {
        for (const auto& each : panelManager.windows) each->deactivateCurrent();
    }
    // The left button at a control's centre, or moved from it by (dx, dy); on the slider, at its knob.
    static void mouse(const Control& control, int state, int dx = 0, int dy = 0)
    {
        const bool knob = control.kind == Control::sliderKind;
        const int x = control.xAbs + (knob ? static_cast<const Slider&>(control).knobPos + 5 : control.width / 2) + dx;
        const int y = control.yAbs + (knob ? 30 : control.height / 2) + dy;
        if (state < 0) return control.window->motion(x, y);
        control.window->mouse(GLUT_LEFT_BUTTON, state, x, y, 0);
    }
    static void click(const Control& control) { mouse(control, GLUT_DOWN), mouse(control, GLUT_UP); }
    void key(unsigned char key, int modifiers = 0) { window->keyboard(key, modifiers); }

    PanelWindow *window = nullptr, *other = nullptr;
    Checkbox *first = nullptr, *second = nullptr, *elsewhere = nullptr;
    Button* button = nullptr;
    RadioGroup* group = nullptr;
    std::vector<RadioButton*> radios;
    Slider* slider = nullptr;
    int firstValue = 0, secondValue = 1, choice = 1, count = 30, otherValue = 0;
    float level = 0.0f;
};

constexpr int down = GLUT_DOWN, up = GLUT_UP, move = -1;

TEST_F(PanelToolkit, EventsReachTheirControlsVariablesCallbacksAndFocus)
{
    const struct {
        std::function<void()> events;
        const char* state;  // the variables, the radio group and slider knob, the callbacks, the focus
    } steps[] = {
        {[&] { click(*first); }, "11 1/1 0 0 fired 11 focus First"},
        {[&] { mouse(*first, down), mouse(*second, move), mouse(*second, up); }, "11 1/1 0 0 fired 11 focus First"},  // out
        {[&] { click(*window->rootPanel); }, "11 1/1 0 0 fired 11 focus none"},  // empty space clears the focus
        {[&] { key('\t'), key('\t'), key(' '); }, "10 1/1 0 0 fired 11 12 focus Second"},  // Tab walks, Space presses
        {[&] {
             for (int k = 0; k < 7; ++k) key('\t');
         },
         "10 1/1 0 0 fired 11 12 focus none"},  // past the last
        {[&] { key('\t', GLUT_ACTIVE_SHIFT); }, "10 1/1 0 0 fired 11 12 focus Count"},  // Shift+Tab from none: the last
        {[&] { click(*button), mouse(*button, down), mouse(*button, up, 0, 40); }, "10 1/1 0 0 fired 11 12 13 focus Go"},
        {[&] { click(*radios[1]); }, "10 1/1 0 0 fired 11 12 13 focus Two"},  // the chosen one fires nothing
        {[&] { click(*radios[2]); }, "10 2/2 0 0 fired 11 12 13 14 focus Three"},
        {[&] { mouse(*radios[0], down), mouse(*radios[0], up, 0, 90); }, "10 2/2 0 0 fired 11 12 13 14 focus One"},
        {[&] { choice = 0, level = 0.25f, window->syncLive(); }, "10 0/0 22 0 fired 11 12 13 14 focus One"},  // truncated
        {[&] { mouse(*slider, down), mouse(*slider, move, 500), mouse(*slider, move, 600, 80); },
         "10 0/0 90 0 fired 11 12 13 14 15? 15? focus Level held"},  // past the end, and outside the slider
        {[&] { mouse(*slider, up), mouse(*slider, down, -40), mouse(*slider, move, -50), mouse(*slider, up); },
         "10 0/0 90 0 fired 11 12 13 14 15? 15? focus Level"},  // the release fires nothing, nor a press beside the knob
        {[&] { click(*elsewhere); }, "10 0/0 90 1 fired 11 12 13 14 15? 15? 21? focus Elsewhere"},
        {[&] { key('\t'), mouse(*first, down), key(' '), key('\t'), mouse(*first, up, -500); },  // keys while a press is held
         "10 0/0 90 1 fired 11 12 13 14 15? 15? 21? focus First"},
        {[&] { level = std::numeric_limits<float>::infinity(), window->syncLive(); },
         "10 0/0 2147483647 1 fired 11 12 13 14 15? 15? 21? focus First"},
        {[&] {
             slider->setFloat(std::nanf("")), slider->setFloatLimits(0.5f, 0.5f), firstValue = 5, window->syncLive(),
                                                                                  click(*first);
         },
         "-40 0/0 0 1 fired 11 12 13 14 15? 15? 21? 11 focus First"},  // an odd value flips to 1 - v
    };
    for (const auto& step : steps) {
        step.events();
        std::ostringstream state;
        const Control* focus = panelManager.focusControl;
        state << firstValue << secondValue << " " << choice << "/" << group->intValue << " " << slider->knobPos << " "
              << otherValue << " fired " << fired << "focus " << (focus ? focus->name : "none")
              << (window->buttonHeld ? " held" : "");
        EXPECT_EQ(state.str(), step.state);
    }
    EXPECT_EQ(slider->floatFromKnob(), 0.5f) << "equal limits divide by nothing";
}

// The control panels' pictures hold the packing of every control kind; here the rules behind it,
// and a focused control and a pressed button.
TEST_F(PanelToolkit, ControlsPackIntoColumnsAndDrawTheirStates)
{
    EXPECT_EQ(second->yAbs, 6 + 3 + 14 + 13 + 3) << "in a panel three pixels down, below its title, three below the first";
    EXPECT_EQ(window->addStaticText(first, "inside a checkbox"), nullptr) << "only containers take children";
    EXPECT_EQ(window->addButton(elsewhere->parent, "in another window", 1, nullptr), nullptr);
    first->setName(std::string(400, 'n'));
    EXPECT_EQ(first->name.size(), Control::nameLimit);
    Digest pictures;
    key('\t');  // the first check box shows its dotted focus box
    for (unsigned char byte : panelPicture(*window)) pictures << byte;
    mouse(*button, down), mouse(*button, move, 2);  // a pressed button, drawn at once, stays so while the pointer moves over it
    for (unsigned char byte : panelPicture(*window, false)) pictures << byte;
    mouse(*button, up);
    EXPECT_EQ(pictures.value, 0xedd9eb4aa80646cfull);
}

TEST(FuzzReplay, PanelEventsKeepTheToolkitsInvariantsAndLeaveTheRecordedControls)
{
    initialiseGlut();
    EXPECT_EQ(replay("panel", runPanelScript, 200, 300), 0x1fb78f974f66a432ull);
}

}  // namespace
