// The controls' pictures, read back from the window's front buffer. A stock picture drawn at a
// control's origin lands one pixel right of and below it: table pixel (c, r) on (x + 1 + c, y + 1 + r).
#include "panelTestWindow.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

using Rgb = std::array<int, 3>;
const Rgb black{0, 0, 0};
const Rgb white{255, 255, 255};
const Rgb background{200, 200, 200};

class PanelPictures : public testing::Test {
protected:
    void SetUp() override { window = freshPanelWindow("Pictures"); }
    void TearDown() override
    {
        for (const auto& each : panelManager.windows) each->deactivateCurrent();
    }
    Rgb at(const Control& control, int x, int y) { return panelPixel(*window, control.xAbs + x, control.yAbs + y); }

    PanelWindow* window = nullptr;
};

TEST_F(PanelPictures, CheckboxOnAndOff)
{
    int on = 1;
    int off = 0;
    Checkbox* checked = window->addCheckbox(nullptr, "On", &on, 1, nullptr);
    Checkbox* cleared = window->addCheckbox(nullptr, "Off", &off, 2, nullptr);
    EXPECT_EQ(at(*checked, 6, 8), black) << "the check mark";
    EXPECT_EQ(at(*cleared, 6, 8), white) << "a white box";
    EXPECT_EQ(at(*cleared, 1, 1), (Rgb{128, 128, 128})) << "the sunken frame";
    EXPECT_EQ(at(*cleared, 13, 13), white);
}

TEST_F(PanelPictures, TheChosenRadioButtonHasADot)
{
    int choice = 1;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 1, nullptr);
    RadioButton* first = window->addRadioButton(group, "First");
    RadioButton* second = window->addRadioButton(group, "Second");
    EXPECT_EQ(at(*second, 7, 7), black);
    EXPECT_EQ(at(*first, 7, 7), white);
    EXPECT_EQ(at(*first, 1, 1), (Rgb{192, 192, 192})) << "the radio's grey ground";
}

TEST_F(PanelPictures, ButtonPressedAndReleased)
{
    Button* button = window->addButton(nullptr, "Press", 1, nullptr);
    window->addStaticText("beside");
    EXPECT_EQ(at(*button, 5, 0), white) << "released: a white top edge";
    EXPECT_EQ(at(*button, 5, button->height), black) << "and a black bottom edge";
    glutSetWindow(window->windowId);
    window->mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, button->xAbs + 10, button->yAbs + 10, 0);
    glFinish();
    unsigned char rgb[3];
    glReadBuffer(GL_FRONT);
    glReadPixels(button->xAbs + 5, window->height - 1 - button->yAbs, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    EXPECT_EQ((Rgb{rgb[0], rgb[1], rgb[2]}), black) << "pressed: black frames drawn at once";
    window->mouse(GLUT_LEFT_BUTTON, GLUT_UP, button->xAbs + 10, button->yAbs + 10, 0);
    EXPECT_EQ(at(*button, 5, 0), white);
}

TEST_F(PanelPictures, SliderKnobStandsAtItsPosition)
{
    float level = 0.5f;
    Slider* slider = window->addSlider("Level", Control::floatLive, &level, 1, nullptr);
    ASSERT_EQ(slider->knobPos, 45);
    EXPECT_EQ(at(*slider, 45 + 4, 30), (Rgb{192, 192, 192})) << "the knob's face";
    EXPECT_EQ(at(*slider, 45, 25), white) << "its lit left edge";
    EXPECT_EQ(at(*slider, 45 + 9, 25), black) << "its dark right edge";
    EXPECT_EQ(at(*slider, 20, 30), black) << "the track's middle line";
}

TEST_F(PanelPictures, TitledPanelFrameIsCutByItsTitle)
{
    Panel* panel = window->addPanel("Shiva", Panel::embossedBorder);
    window->addCheckbox(panel, "inside", nullptr, 1, nullptr);
    EXPECT_EQ(at(*panel, panel->width / 2, panel->height), white) << "the frame's bottom";
    EXPECT_EQ(at(*panel, 0, panel->height / 2), (Rgb{128, 128, 128})) << "the frame's grey left edge";
    EXPECT_EQ(at(*panel, 5, 4), background) << "cut behind the title";
    EXPECT_EQ(at(*panel, 2, 4), (Rgb{128, 128, 128})) << "the frame's top before the cut";
    int dark = 0;
    for (int x = 7; x < 7 + textWidth(*window, "Shiva"); ++x)
        for (int y = 0; y < 9; ++y) dark += at(*panel, x, y) == black;
    EXPECT_GT(dark, 10) << "the title's letters";
}

TEST_F(PanelPictures, AFocusedCheckboxShowsADottedMark)
{
    Checkbox* box = window->addCheckbox(nullptr, "Focus", nullptr, 1, nullptr);
    window->keyboard('\t', 0);
    int dark = 0;
    for (int x = 15; x < 15 + 20; ++x) dark += at(*box, x, 0) == black;
    EXPECT_GE(dark, 8) << "every other pixel of the dotted top line";
    EXPECT_LE(dark, 12);
}

}  // namespace
