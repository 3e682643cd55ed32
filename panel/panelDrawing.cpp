// Text, frames, pictures and lines of the panel toolkit.
#include "panelDrawing.h"

#include "control.h"
#include "panelWindow.h"

#include <GL/glut.h>

namespace {
constexpr int labelIndent = 18;
constexpr unsigned short dottedPattern = 0x5555;

void drawText(const Control& control)
{
    for (unsigned char character : control.name) glutBitmapCharacter(control.window->font, character);
}
}  // namespace

int textWidth(const PanelWindow& window, const std::string& text)
{
    int width = 0;
    for (unsigned char character : text) width += glutBitmapWidth(window.font, character);
    return width;
}

void setGrey(int level)
{
    const GLubyte grey = static_cast<GLubyte>(level);
    glColor3ub(grey, grey, grey);
}

void setBackground(const PanelWindow& window) { glColor3ub(window.background[0], window.background[1], window.background[2]); }

void drawLabel(const Control& control, int x, int y)
{
    if (!control.window) return;
    setBackground(*control.window);
    glRasterPos2i(x + 1, y + 1);
    drawText(control);
    glColor3ub(0, 0, 0);
    glRasterPos2i(x, y);
    drawText(control);
}

void drawDottedLoop(int left, int top, int right, int bottom)
{
    glColor3ub(0, 0, 0);
    glEnable(GL_LINE_STIPPLE);
    glLineStipple(1, dottedPattern);
    drawLines(GL_LINE_LOOP, {left, top, right, top, right, bottom, left, bottom});
    glDisable(GL_LINE_STIPPLE);
}

void drawFocusBox(const Control& control)
{
    if (!control.window) return;
    const int left = labelIndent - 3;
    const int right = left + textWidth(*control.window, control.name) + 7;
    if (control.focused) {
        drawDottedLoop(left, 0, right, control.height + 1);
        return;
    }
    setBackground(*control.window);
    drawLines(GL_LINE_LOOP, {left, 0, right, 0, right, control.height + 1, left, control.height + 1});
}

void drawRaisedBox(const PanelWindow& window, int x, int y, int w, int h)
{
    setBackground(window);
    drawLines(GL_LINE_LOOP, {x + 1, y + 1, x + w - 1, y + 1, x + w - 1, y + h - 1, x + 1, y + h - 1});
    setGrey(255);
    drawLines(GL_LINE_STRIP, {x, y + h, x, y, x + w, y});
    setGrey(0);
    drawLines(GL_LINE_STRIP, {x + w, y, x + w, y + h, x, y + h});
    setGrey(128);
    drawLines(GL_LINE_STRIP, {x + w - 1, y + 1, x + w - 1, y + h - 1, x + 1, y + h - 1});
}

void drawImage(const StockImage& image, int x, int y)
{
    if (image.pixels.empty()) return;
    // With the flipped modelview the picture rises from its raster position: rows y to y + height - 1.
    glRasterPos2f(static_cast<float>(x) + 0.5f, static_cast<float>(y + image.height) + 0.5f);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glDrawPixels(image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE, image.pixels.data());
}

void fillQuad(int x0, int y0, int x1, int y1, int x2, int y2, int x3, int y3)
{
    glBegin(GL_QUADS);
    glVertex2i(x0, y0);
    glVertex2i(x1, y1);
    glVertex2i(x2, y2);
    glVertex2i(x3, y3);
    glEnd();
}

void drawLines(unsigned primitive, std::initializer_list<int> points)
{
    glLineWidth(1.0f);
    glBegin(primitive);
    for (auto point = points.begin(); point != points.end(); point += 2) glVertex2i(point[0], point[1]);
    glEnd();
}
