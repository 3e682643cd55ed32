// Check boxes: the box shows the value a release would give while the button is held.
#include "checkbox.h"

#include "currentWindow.h"
#include "panelDrawing.h"
#include "panelWindow.h"

#include <GL/gl.h>

Checkbox::Checkbox() : Control(checkboxKind, "Checkbox") { liveKind = intLive; }

void Checkbox::drawBox()
{
    drawImage(intValue != 0 ? window->images.checkboxOn : window->images.checkboxOff, 0, 0);
    drawFocusBox(*this);
}

void Checkbox::repaintBox()
{
    if (!window) return;
    const CurrentWindowGuard restore(window->windowId);
    const FrontBufferGuard front;
    glPushMatrix();
    glTranslatef(static_cast<float>(xAbs) + 0.5f, static_cast<float>(yAbs) + 0.5f, 0.0f);
    drawBox();
    glPopMatrix();
}

void Checkbox::setInt(int value)
{
    intValue = value;
    writeLive(true);
    repaintBox();
}

void Checkbox::onMouseDown(int, int)
{
    valueAtPress = intValue;
    intValue = 1 - intValue;
    pointerInside = true;
    repaintBox();
}

void Checkbox::onMouseHeld(int, int, bool inside)
{
    if (inside != pointerInside) intValue = 1 - intValue;
    pointerInside = inside;
    repaintBox();
}

void Checkbox::onMouseUp(int, int, bool inside)
{
    if (inside) {
        setInt(intValue);
        fireCallback();
    } else {
        intValue = valueAtPress;
    }
    repaintBox();
}

void Checkbox::updateSize()
{
    if (window) width = labelIndent + textWidth(*window, name) + 6;
}

void Checkbox::draw()
{
    if (!window) return;
    drawBox();
    drawLabel(*this, labelIndent, 10);
}
