// The panel toolkit: the rules of packing, the pictures of a focused and a pressed control, and the
// fuzzer's events replayed. The panel fuzzer's recorded controls and the control panels' tests hold
// the routing of events, the live variables, the callbacks and the focus.
#include "digest.h"
#include "fuzzInputs.h"
#include "fuzzScripts.h"
#include "glTestContext.h"
#include "panelDrawing.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

// Two windows holding every kind of control. The control panels' pictures hold the packing of every
// kind; here the rules behind it, and a focused control and a pressed button.
TEST(PanelToolkit, ControlsPackIntoColumnsAndDrawTheirStates)
{
    int firstValue = 0, secondValue = 1, choice = 1, count = 30, otherValue = 0;
    float level = 0.0f;
    PanelWindow* window = freshPanelWindow("Toolkit");
    Panel* panel = window->addPanel("Things", Panel::embossedBorder);
    Checkbox* first = window->addCheckbox(panel, "First", &firstValue, 11, nullptr);
    window->addCheckbox(panel, "Second", &secondValue, 12, nullptr);
    const Button* button = window->addButton(panel, "Go", 13, nullptr);
    window->addStaticText(panel, "not focusable");
    window->addColumnBreak(1);
    Panel* raised = window->addPanel("", Panel::raisedBorder);
    RadioGroup* group = window->addRadioGroup(raised, &choice, 14, nullptr);
    RadioButton* lastChoice = nullptr;
    for (const char* name : {"One", "Two", "Three"}) lastChoice = window->addRadioButton(group, name);
    Slider* slider = window->addSlider(raised, "Level", Control::floatLive, &level, 15, nullptr);
    slider->setFloatLimits(0.0f, 1.0f);
    window->addSlider(raised, "Count", Control::intLive, &count, 16, nullptr);
    const Checkbox* elsewhere = freshPanelWindow("Other")->addCheckbox(nullptr, "Elsewhere", &otherValue, 21, nullptr);
    processEvents();

    EXPECT_EQ(window->addStaticText(first, "inside a checkbox"), nullptr) << "only containers take children";
    EXPECT_EQ(window->addButton(elsewhere->parent, "in another window", 1, nullptr), nullptr);
    first->setName(std::string(400, 'n'));
    EXPECT_EQ(first->name.size(), Control::nameLimit);
    Digest pictures;
    window->keyboard('\t', 0);  // the first check box shows its dotted focus box
    for (unsigned char byte : panelPicture(*window)) pictures << byte;
    // A pressed button, drawn at once, stays so while the pointer moves over it.
    const int x = button->xAbs + button->width / 2, y = button->yAbs + button->height / 2;
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y, 0);
    window->motion(x + 2, y);
    for (unsigned char byte : panelPicture(*window, false)) pictures << byte;
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y, 0);
    EXPECT_EQ(pictures.value, 0xedd9eb4aa80646cfull);
    // A radio button pressed is drawn chosen at once, as the next full drawing draws it.
    const int choiceX = lastChoice->xAbs + lastChoice->width / 2, choiceY = lastChoice->yAbs + lastChoice->height / 2;
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, choiceX, choiceY, 0);
    const std::vector<unsigned char> drawnAtOnce = panelPicture(*window, false);
    EXPECT_TRUE(drawnAtOnce == panelPicture(*window)) << "the chosen button drawn at the press";
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, choiceX, choiceY, 0);
    slider->setFloatLimits(0.5f, 0.5f);
    EXPECT_EQ(slider->floatFromKnob(), 0.5f) << "equal limits divide by nothing";
    PanelWindow* titledWindow = freshPanelWindow("Titled");
    const std::string title(30, 'W');
    Panel* titled = titledWindow->addPanel(title, Panel::embossedBorder);
    titledWindow->addCheckbox(titled, "x", &otherValue, 22, nullptr);
    processEvents();
    EXPECT_GT(titled->width, textWidth(*titledWindow, title)) << "a title wider than the controls widens its panel";
    for (const auto& each : panelManager.windows) each->deactivateCurrent();
}

TEST(FuzzReplay, PanelEventsKeepTheToolkitsInvariantsAndLeaveTheRecordedControls)
{
    initialiseGlut();
    EXPECT_EQ(replay("panel", runPanelScript, 200, 300), 0xf8bd15cbc2d9fc7eull);
}

}  // namespace
