// A modal notice window drawn with GLUT and OpenGL.
#include "platformNotice.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

constexpr int margin = 14;
constexpr int lineHeight = 15;
constexpr int ascent = 11;
constexpr int buttonWidth = 80;
constexpr int buttonHeight = 24;
constexpr int minimumWidth = 260;
constexpr int screenBorder = 40;
constexpr int tabWidth = 4;
constexpr unsigned char enterKey = 13;
constexpr unsigned char spaceKey = 32;
constexpr unsigned char escapeKey = 27;
constexpr auto waitBetweenEvents = std::chrono::milliseconds(10);

// The one notice on screen.
std::vector<std::string> shownLines;
int noticeWindow = 0;
int noticeWidth = 0;
int noticeHeight = 0;
bool dismissed = false;
bool ended = false;
bool pressedOnButton = false;

int lineWidth(const std::string& line)
{
    int width = 0;
    for (unsigned char character : line) width += glutBitmapWidth(GLUT_BITMAP_HELVETICA_12, character);
    return width;
}

// The OK button, in window pixels with y down.
int buttonLeft() { return (noticeWidth - buttonWidth) / 2; }
int buttonTop() { return noticeHeight - margin - buttonHeight; }
bool onButton(int x, int y)
{
    return x >= buttonLeft() && x <= buttonLeft() + buttonWidth && y >= buttonTop() && y <= buttonTop() + buttonHeight;
}

void drawText(int x, int baselineDown, const std::string& text)
{
    glRasterPos2i(x, noticeHeight - baselineDown);
    for (unsigned char character : text) glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, character);
}

void drawButton()
{
    const int left = buttonLeft();
    const int bottom = margin;
    glColor3ub(225, 225, 225);
    glRecti(left, bottom, left + buttonWidth, bottom + buttonHeight);
    glColor3ub(0, 0, 0);
    glBegin(GL_LINE_LOOP);
    glVertex2f(left + 0.5f, bottom + 0.5f);
    glVertex2f(left + buttonWidth - 0.5f, bottom + 0.5f);
    glVertex2f(left + buttonWidth - 0.5f, bottom + buttonHeight - 0.5f);
    glVertex2f(left + 0.5f, bottom + buttonHeight - 0.5f);
    glEnd();
    drawText(left + (buttonWidth - lineWidth("OK")) / 2, buttonTop() + 16, "OK");
}

void onDisplay()
{
    glViewport(0, 0, noticeWidth, noticeHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, noticeWidth, 0.0, noticeHeight, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.94f, 0.94f, 0.94f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3ub(0, 0, 0);
    for (std::size_t line = 0; line < shownLines.size(); ++line)
        drawText(margin, margin + ascent + static_cast<int>(line) * lineHeight, shownLines[line]);
    drawButton();
    glutSwapBuffers();
}

void onKey(unsigned char key, int, int)
{
    if (key == enterKey || key == '\n' || key == spaceKey || key == escapeKey) dismissed = true;
}

void onMouse(int button, int state, int x, int y)
{
    if (button != GLUT_LEFT_BUTTON) return;
    if (state == GLUT_DOWN) {
        pressedOnButton = onButton(x, y);
    } else if (pressedOnButton && onButton(x, y)) {
        dismissed = true;
    }
}

void onClose()
{
    dismissed = true;
    noticeWindow = 0;  // freeglut destroys it
}

void sizeWindow()
{
    int widest = 0;
    for (const std::string& line : shownLines) widest = std::max(widest, lineWidth(line));
    const int screenWidth = glutGet(GLUT_SCREEN_WIDTH);
    const int screenHeight = glutGet(GLUT_SCREEN_HEIGHT);
    noticeWidth = std::min(std::max(widest + 2 * margin, minimumWidth), std::max(screenWidth - screenBorder, minimumWidth));
    const int wanted = static_cast<int>(shownLines.size()) * lineHeight + 3 * margin + buttonHeight;
    noticeHeight = std::min(wanted, std::max(screenHeight - screenBorder, buttonHeight + 2 * margin));
    glutInitWindowSize(noticeWidth, noticeHeight);
    glutInitWindowPosition(std::max((screenWidth - noticeWidth) / 2, 0), std::max((screenHeight - noticeHeight) / 2, 0));
}

}  // namespace

std::vector<std::string> noticeLines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const unsigned char character = static_cast<unsigned char>(text[at]);
        if (character == '\r' || character == '\n') {
            if (character == '\r' && at + 1 < text.size() && text[at + 1] == '\n') ++at;
            lines.emplace_back();
            continue;
        }
        std::string& line = lines.back();
        if (character == '\t') {
            line.append(tabWidth, ' ');
        } else if (character < ' ' || character == 0x7f) {
            line += '?';
        } else {
            line += static_cast<char>(character);
        }
    }
    if (!text.empty() && (text.back() == '\n' || text.back() == '\r')) lines.pop_back();
    if (text.empty()) lines.clear();
    for (std::string& line : lines)
        if (line.size() > noticeColumnLimit) line = line.substr(0, noticeColumnLimit) + "...";
    if (lines.size() > noticeLineLimit) {
        lines.resize(noticeLineLimit);
        lines.back() = "...";
    }
    return lines;
}

void showNotice(const std::string& caption, const std::string& text)
{
    const int previous = glutGetWindow();
    shownLines = noticeLines(text);
    dismissed = false;
    ended = false;
    pressedOnButton = false;
    const int closeAction = glutGet(GLUT_ACTION_ON_WINDOW_CLOSE);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    sizeWindow();
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE);
    noticeWindow = glutCreateWindow(caption.c_str());
    glutDisplayFunc(onDisplay);
    glutKeyboardFunc(onKey);
    glutMouseFunc(onMouse);
    glutCloseFunc(onClose);
    // The notice's own event loop: the other windows are served, the idle function is not.
    while (!dismissed) {
        glutMainLoopEvent();
        if (!dismissed) std::this_thread::sleep_for(waitBetweenEvents);
    }
    if (noticeWindow > 0) glutDestroyWindow(noticeWindow);
    noticeWindow = 0;
    glutMainLoopEvent();
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, closeAction);
    if (previous > 0 && !ended) glutSetWindow(previous);
}

void endNotice()
{
    dismissed = true;
    ended = true;
}
