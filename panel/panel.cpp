// Panels: containers with a title and a frame.
#include "panel.h"

#include "panelDrawing.h"
#include "panelWindow.h"

#include <GL/gl.h>

#include <algorithm>

namespace {
constexpr int titlePadding = 16;
constexpr int titledTopMargin = 14;
constexpr int plainTopMargin = 6;
}  // namespace

Panel::Panel() : Control(panelKind, "Control")
{
    width = 300;
    height = 20;
    alignment = alignCentre;
    isContainer = true;
    canFocus = false;
}

void Panel::setName(const std::string& text)
{
    name = text.substr(0, nameLimit);
    updateSize();
    if (window) window->refresh();
}

void Panel::updateSize()
{
    if (!window) return;
    width = std::max(width, textWidth(*window, name) + titlePadding);
    topMargin = !name.empty() && border() == embossedBorder ? titledTopMargin : plainTopMargin;
}

void Panel::draw()
{
    const int w = width;
    const int h = height;
    if (border() == raisedBorder) {
        setGrey(255);
        drawLines(GL_LINE_LOOP, {0, 0, w, 0, 0, 0, 0, h});
        setGrey(128);
        drawLines(GL_LINE_LOOP, {w, 0, w, h, 0, h, w, h});
        return;
    }
    if (border() != embossedBorder) return;
    const int top = name.empty() ? 0 : 4;
    setGrey(255);
    drawLines(GL_LINE_LOOP, {0, top, w, top, w, h, 0, h, 1, top + 1, w - 1, top + 1, w - 1, h - 1, 1, h - 1});
    setGrey(128);
    drawLines(GL_LINE_LOOP, {0, top, w - 1, top, w - 1, h - 1, 0, h - 1});
    if (name.empty() || !window) return;
    // The title cuts the frame behind it.
    const int titleWidth = textWidth(*window, name);
    setBackground(*window);
    fillQuad(4, 0, titleWidth + 10, 0, titleWidth + 10, 9, 4, 9);
    drawLabel(*this, 7, 8);
}
