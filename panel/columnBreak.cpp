// Column breaks.
#include "columnBreak.h"

#include "panelDrawing.h"

#include <GL/gl.h>

ColumnBreak::ColumnBreak() : Control(columnBreakKind, "Control")
{
    width = 0;
    height = 0;
    canFocus = false;
}

void ColumnBreak::draw()
{
    if (!drawsBar()) return;
    setGrey(128);
    drawLines(GL_LINES, {-2, 0, -2, height});
    setGrey(255);
    drawLines(GL_LINES, {-1, 0, -1, height});
}
