// Packing into columns and alignment, to the pixel.
#include "panelTestWindow.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

class PanelLayout : public testing::Test {
protected:
    void SetUp() override { window = freshPanelWindow("Layout"); }
    PanelWindow* window = nullptr;
};

TEST_F(PanelLayout, AnEmptyWindowPacksToOneHundredByThirteen)
{
    window->refresh();
    processEvents();
    EXPECT_EQ(window->width, 100);
    EXPECT_EQ(window->height, 13);
    glutSetWindow(window->windowId);
    EXPECT_EQ(glutGet(GLUT_WINDOW_WIDTH), 100);
    EXPECT_EQ(glutGet(GLUT_WINDOW_HEIGHT), 13);
}

TEST_F(PanelLayout, AnEmptyPanelWidensToItsTitle)
{
    Panel* untitled = window->addPanel("", Panel::embossedBorder);
    Panel* titled = window->addPanel("A title rather longer than the default width", Panel::embossedBorder);
    EXPECT_EQ(untitled->width, 100);
    EXPECT_EQ(untitled->height, 13);
    EXPECT_EQ(titled->width, textWidth(*window, titled->name) + 16);
    EXPECT_GT(titled->width, 100);
    EXPECT_EQ(titled->height, 13);
}

TEST_F(PanelLayout, OnlyATitledEmbossedPanelKeepsRoomForItsTitle)
{
    EXPECT_EQ(window->addPanel("Rules", Panel::embossedBorder)->topMargin, 14);
    EXPECT_EQ(window->addPanel("", Panel::embossedBorder)->topMargin, 6);
    EXPECT_EQ(window->addPanel("Raised", Panel::raisedBorder)->topMargin, 6);
    Panel* renamed = window->addPanel("", Panel::embossedBorder);
    renamed->setName("Now titled");
    EXPECT_EQ(renamed->topMargin, 14);
}

TEST_F(PanelLayout, ChildrenStackThreePixelsApartAndPanelsThreeMore)
{
    StaticText* first = window->addStaticText("one");
    StaticText* second = window->addStaticText("two");
    StaticText* third = window->addStaticText("three");
    EXPECT_EQ(first->yAbs, 6);
    EXPECT_EQ(second->yAbs, first->yAbs + 13 + 3);
    EXPECT_EQ(third->yAbs, second->yAbs + 13 + 3);
    Panel* panel = window->addPanel("", Panel::embossedBorder);
    EXPECT_EQ(panel->yAbs, third->yAbs + 13 + 3 + 3);
    StaticText* after = window->addStaticText("after");
    EXPECT_EQ(after->yAbs, panel->yAbs + panel->height + 3 + 3);
    EXPECT_EQ(window->height, after->yAbs + 13 + 6);
}

TEST_F(PanelLayout, AColumnBreakStartsTheNextChildAtTheTop)
{
    StaticText* left = window->addStaticText("left");
    window->addStaticText("below");
    ColumnBreak* columnBreak = window->addColumnBreak(0);
    StaticText* right = window->addStaticText("right");
    EXPECT_EQ(right->yAbs, left->yAbs) << "no gap after a break";
    EXPECT_EQ(columnBreak->yAbs, 6);
    EXPECT_EQ(columnBreak->xAbs, 6 + 100 + 6);
    EXPECT_EQ(columnBreak->width, 100 + 6) << "the widest of its column plus the margin";
    EXPECT_EQ(columnBreak->height, window->height - 6 - 6);
    EXPECT_EQ(right->xAbs, columnBreak->xAbs + 6);
    EXPECT_EQ(window->width, columnBreak->xAbs + 100 + 2 * 6);
}

// A centred control as wide as its column's widest sits (column width - width) / 2 from the
// column's left edge: 6 pixels in a column ending at a break, 3 in one starting at a break, 9
// without breaks.
TEST_F(PanelLayout, CentredControlsSitSixThreeOrNinePixelsIn)
{
    Button* wideLeft = window->addButton(nullptr, "A wide button in the first column", 1, nullptr);
    window->addColumnBreak(0);
    Button* wideRight = window->addButton(nullptr, "A wide button in the second", 2, nullptr);
    ColumnBreak* columnBreak = static_cast<ColumnBreak*>(wideRight->previousSibling);
    EXPECT_EQ(wideLeft->xAbs - window->rootPanel->xAbs, 6);
    EXPECT_EQ(wideRight->xAbs - columnBreak->xAbs, 3);

    PanelWindow* plain = freshPanelWindow("Plain");
    Button* alone = plain->addButton(nullptr, "A wide button on its own", 3, nullptr);
    EXPECT_EQ(alone->xAbs, 9);
}

TEST_F(PanelLayout, LeftAndRightAlignmentKeepTheColumnMargin)
{
    window->addButton(nullptr, "A wide button that sets the column", 1, nullptr);
    StaticText* left = window->addStaticText("left");
    StaticText* right = window->addStaticText("right");
    right->alignment = Control::alignRight;
    window->addColumnBreak(0);
    window->addButton(nullptr, "Another wide button for column two", 2, nullptr);
    StaticText* secondLeft = window->addStaticText("second left");
    StaticText* secondRight = window->addStaticText("second right");
    secondRight->alignment = Control::alignRight;
    window->refresh();
    const ColumnBreak* columnBreak = static_cast<const ColumnBreak*>(secondLeft->previousSibling->previousSibling);
    EXPECT_EQ(left->xAbs, 6);
    EXPECT_EQ(right->xAbs, columnBreak->xAbs - right->width - 6);
    EXPECT_EQ(secondLeft->xAbs, columnBreak->xAbs + 6);
    EXPECT_EQ(secondRight->xAbs, columnBreak->xAbs + columnBreak->width - secondRight->width - 6);
}

TEST_F(PanelLayout, AContainerCarriesItsChildrenWhenItIsCentred)
{
    window->addButton(nullptr, "A button much wider than the panel below it", 1, nullptr);
    Panel* panel = window->addPanel("Small", Panel::embossedBorder);
    Checkbox* inside = window->addCheckbox(panel, "in", nullptr, 2, nullptr);
    EXPECT_EQ(panel->xAbs, (window->width - panel->width) / 2);
    EXPECT_EQ(inside->xAbs, panel->xAbs + 6);
    EXPECT_EQ(inside->yAbs, panel->yAbs + 14);
}

TEST_F(PanelLayout, ARadioGroupIsExactlyAsLargeAsItsButtons)
{
    int choice = 0;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 1, nullptr);
    RadioButton* first = window->addRadioButton(group, "First");
    RadioButton* second = window->addRadioButton(group, "A longer second");
    EXPECT_EQ(first->xAbs, group->xAbs);
    EXPECT_EQ(first->yAbs, group->yAbs);
    EXPECT_EQ(second->yAbs, first->yAbs + 13 + 3);
    EXPECT_EQ(group->width, second->width);
    EXPECT_EQ(group->height, 13 + 3 + 13);
    EXPECT_EQ(second->width, 18 + textWidth(*window, "A longer second") + 6);
}

TEST_F(PanelLayout, ControlsOfTheWrongParentAreRefused)
{
    Checkbox* checkbox = window->addCheckbox(nullptr, "not a container", nullptr, 1, nullptr);
    EXPECT_EQ(window->addStaticText(checkbox, "inside a checkbox"), nullptr);
    EXPECT_EQ(window->addRadioButton(checkbox, "no group"), nullptr);
    EXPECT_EQ(window->addRadioButton(nullptr, "no group"), nullptr);
    PanelWindow* other = freshPanelWindow("Other");
    Panel* foreign = other->addPanel("Foreign", Panel::embossedBorder);
    EXPECT_EQ(window->addButton(foreign, "elsewhere", 1, nullptr), nullptr);
    EXPECT_EQ(foreign->firstChild, nullptr);
    EXPECT_EQ(checkbox->nextSibling, nullptr);
}

TEST_F(PanelLayout, NamesAreCutAtTwoHundredNinetyNineCharacters)
{
    StaticText* text = window->addStaticText(std::string(400, 'x'));
    EXPECT_EQ(text->name.size(), 299u);
    EXPECT_EQ(window->addCheckbox(nullptr, "box", nullptr, 1, nullptr)->kind, Control::checkboxKind);
    PanelWindow* longTitled = freshPanelWindow(std::string(500, 't'));
    EXPECT_EQ(longTitled->title.size(), 299u);
}

TEST_F(PanelLayout, ANewControlIsNamedAfterItsClassUntilNamed)
{
    int choice = 0;
    RadioGroup* group = window->addRadioGroup(nullptr, &choice, 1, nullptr);
    EXPECT_EQ(group->name.rfind("RadioGroup: ", 0), 0u) << group->name;
    ColumnBreak* columnBreak = window->addColumnBreak(0);
    EXPECT_EQ(columnBreak->name.rfind("Control: ", 0), 0u) << columnBreak->name;
}

}  // namespace
