// Radio groups and their buttons: a press chooses, a release outside puts the old choice back.
#include "radioGroup.h"

#include "currentWindow.h"
#include "panelDrawing.h"
#include "panelWindow.h"

#include <GL/gl.h>

RadioGroup::RadioGroup() : Control(radioGroupKind, "RadioGroup")
{
    width = 300;
    height = 300;
    xMargin = 0;
    topMargin = 0;
    bottomMargin = 0;
    isContainer = true;
    canFocus = false;
    liveKind = intLive;
}

void RadioGroup::selectIndex(int index)
{
    intValue = index;
    for (Control* button = firstChild; button; button = button->nextSibling) button->setInt(button->id == index ? 1 : 0);
}

void RadioGroup::drawButtons()
{
    if (!window) return;
    const CurrentWindowGuard restore(window->windowId);
    const FrontBufferGuard front;
    for (Control* button = firstChild; button; button = button->nextSibling) {
        glPushMatrix();
        glTranslatef(static_cast<float>(button->xAbs) + 0.5f, static_cast<float>(button->yAbs) + 0.5f, 0.0f);
        drawImage(button->intValue != 0 ? window->images.radioOn : window->images.radioOff, 0, 0);
        drawFocusBox(*button);
        glPopMatrix();
    }
}

void RadioGroup::setInt(int value)
{
    if (value == intValue) return;
    selectIndex(value);
    drawButtons();
    writeLive(true);
}

void RadioGroup::draw() {}

RadioButton::RadioButton(RadioGroup& owner) : Control(radioButtonKind, "RadioButton"), group(owner) {}

void RadioButton::onMouseDown(int, int)
{
    valueAtPress = group.intValue;
    pointerInside = true;
    group.selectIndex(id);
    group.drawButtons();
}

void RadioButton::onMouseHeld(int, int, bool inside)
{
    if (inside && !pointerInside) {
        group.selectIndex(id);
        group.drawButtons();
    } else if (!inside && pointerInside) {
        group.selectIndex(valueAtPress);
        group.drawButtons();
    }
    pointerInside = inside;
}

void RadioButton::onMouseUp(int, int, bool inside)
{
    if (!inside) {
        group.selectIndex(valueAtPress);
        group.drawButtons();
        return;
    }
    group.selectIndex(id);
    group.drawButtons();
    // Clicking the button already chosen commits nothing.
    if (group.intValue == valueAtPress) return;
    group.writeLive(true);
    group.fireCallback();
}

void RadioButton::updateSize()
{
    if (window) width = labelIndent + textWidth(*window, name) + 6;
}

void RadioButton::draw()
{
    if (!window) return;
    drawImage(group.intValue == id ? window->images.radioOn : window->images.radioOff, 0, 0);
    drawFocusBox(*this);
    drawLabel(*this, labelIndent, 10);
}
