// Static text.
#include "staticText.h"

#include "panelDrawing.h"
#include "panelWindow.h"

#include <GL/gl.h>

#include <algorithm>

StaticText::StaticText() : Control(staticTextKind, "Control") { canFocus = false; }

void StaticText::updateSize()
{
    if (window) width = std::max(width, textWidth(*window, name));
}

void StaticText::draw()
{
    if (!window) return;
    setBackground(*window);
    glBegin(GL_TRIANGLES);
    glVertex2i(0, 0);
    glVertex2i(width, 0);
    glVertex2i(width, height);
    glVertex2i(0, 0);
    glVertex2i(width, height);
    glVertex2i(0, height);
    glEnd();
    drawLabel(*this, 0, 9);
}
