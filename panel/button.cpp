// Push buttons: pressed while held over, fired on a release over themselves.
#include "button.h"

#include "currentWindow.h"
#include "panelDrawing.h"
#include "panelWindow.h"

#include <GL/gl.h>

#include <algorithm>

namespace {
constexpr int labelPadding = 16;
}  // namespace

Button::Button() : Control(buttonKind, "Button")
{
    height = 20;
    alignment = alignCentre;
}

void Button::drawFace(bool sunken)
{
    const int w = width;
    const int h = height;
    setBackground(*window);
    fillQuad(2, 2, w - 2, 2, w - 2, h - 2, 2, h - 2);
    const int shift = sunken ? 1 : 0;
    drawLabel(*this, std::max(0, w - textWidth(*window, name)) / 2 + shift, 13 + shift);
    if (focused) drawDottedLoop(3, 3, w - 3, h - 3);
}

void Button::drawPressed()
{
    if (!window) return;
    const CurrentWindowGuard restore(window->windowId);
    const FrontBufferGuard front;
    glPushMatrix();
    glTranslatef(static_cast<float>(xAbs) + 0.5f, static_cast<float>(yAbs) + 0.5f, 0.0f);
    drawFace(true);
    setGrey(0);
    drawLines(GL_LINE_LOOP, {0, 0, width, 0, width, height, 0, height});
    drawLines(GL_LINE_LOOP, {1, 1, width - 1, 1, width - 1, height - 1, 1, height - 1});
    glPopMatrix();
}

void Button::onMouseDown(int, int)
{
    intValue = 1;
    pointerInside = true;
    drawPressed();
}

void Button::onMouseHeld(int, int, bool inside)
{
    if (inside && !pointerInside) drawPressed();
    if (!inside && pointerInside) redrawControl();
    pointerInside = inside;
}

void Button::onMouseUp(int, int, bool inside)
{
    setInt(0);
    redrawControl();
    if (!inside) return;
    fireCallback();
    if (window) window->postMainRedisplay();
}

void Button::updateSize()
{
    if (window) width = std::max(width, textWidth(*window, name) + labelPadding);
}

void Button::draw()
{
    if (!window) return;
    drawRaisedBox(*window, 0, 0, width, height);
    drawFace(false);
}
