// The control tree, live variables and callbacks.
#include "control.h"

#include "currentWindow.h"
#include "panelWindow.h"

#include <GL/glut.h>

#include <cstdio>

namespace {
std::string labelled(const char* label, const void* control)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s: %p", label, control);
    return text;
}
}  // namespace

Control::Control(int controlKind, const char* label) : kind(controlKind), name(labelled(label, this)) {}

Control::~Control() = default;

void Control::setName(const std::string& text)
{
    name = text.substr(0, nameLimit);
    if (window) window->refresh();
}

void Control::setInt(int value)
{
    intValue = value;
    writeLive(true);
}

void Control::setFloat(float value)
{
    floatValue = value;
    writeLive(true);
}

void Control::bindLive(void* variable)
{
    livePtr = variable;
    writeLive(true);
}

void Control::onMouseDown(int, int) {}
void Control::onMouseUp(int, int, bool) {}
void Control::onMouseHeld(int, int, bool) {}
void Control::updateSize() {}
void Control::activate() { focused = true; }
void Control::deactivate() { focused = false; }

void Control::align()
{
    if (!parent || kind == columnBreakKind) return;
    const ColumnExtent column = columnExtent();
    const int before = xAbs;
    if (alignment == alignLeft) {
        xAbs = column.x + column.margin;
    } else if (alignment == alignRight) {
        xAbs = column.x + column.width - width - column.margin;
    } else {
        xAbs = column.x + (column.width - width) / 2;
    }
    // The column breaks of a container move with it; its other children align themselves after it.
    for (Control* child = firstChild; child; child = child->nextSibling)
        if (child->kind == columnBreakKind) child->xAbs += xAbs - before;
}

Control::ColumnExtent Control::columnExtent() const
{
    for (const Control* earlier = previousSibling; earlier; earlier = earlier->previousSibling)
        if (earlier->kind == columnBreakKind) return {earlier->xAbs, earlier->width, earlier->xMargin};
    for (const Control* later = nextSibling; later; later = later->nextSibling)
        if (later->kind == columnBreakKind) return {parent->xAbs, later->xAbs - parent->xAbs, later->xMargin};
    return {parent->xAbs, parent->width, parent->xMargin};
}

void Control::readLive()
{
    if (livePtr && liveKind == intLive) {
        const int value = *static_cast<int*>(livePtr);
        setInt(value);
        lastLiveInt = value;
    } else if (livePtr && liveKind == floatLive) {
        const float value = *static_cast<float*>(livePtr);
        setFloat(value);
        lastLiveFloat = value;
    }
    liveReady = true;
}

void Control::writeLive(bool post)
{
    if (!livePtr || !liveReady) return;
    if (liveKind == intLive) {
        *static_cast<int*>(livePtr) = intValue;
        lastLiveInt = intValue;
    } else if (liveKind == floatLive) {
        *static_cast<float*>(livePtr) = floatValue;
        lastLiveFloat = floatValue;
    }
    if (post && window) window->postMainRedisplay();
}

void Control::fireCallback()
{
    const CurrentWindowGuard restore(window ? window->mainGraphicsWindow : -1);
    if (callback) callback(id);
}

bool Control::heldByUser() const
{
    // The control the user is pressing or dragging keeps what the user gives it; so does the radio
    // group of a pressed button, whose choice the release may yet put back.
    if (!window || !window->buttonHeld || !window->focusedControl) return false;
    const Control* pressed = window->focusedControl;
    return pressed == this || (kind == radioGroupKind && pressed->parent == this);
}

void Control::syncLive(bool recurse, bool redraw)
{
    if (heldByUser()) return;
    if (livePtr && liveKind == intLive) {
        const int value = *static_cast<int*>(livePtr);
        if (value != lastLiveInt) {
            setInt(value);
            lastLiveInt = value;
            if (redraw) redrawControl();
        }
    } else if (livePtr && liveKind == floatLive) {
        const float value = *static_cast<float*>(livePtr);
        // An unordered comparison (a NaN) counts as no change.
        if (value < lastLiveFloat || value > lastLiveFloat) {
            setFloat(value);
            lastLiveFloat = value;
            if (redraw) redrawControl();
        }
    }
    if (!recurse) return;
    for (Control* child = firstChild; child; child = child->nextSibling) child->syncLive(true, true);
}

void Control::redrawControl()
{
    if (!window) return;
    const CurrentWindowGuard restore(window->windowId);
    const FrontBufferGuard front;
    glPushMatrix();
    glTranslatef(static_cast<float>(xAbs) + 0.5f, static_cast<float>(yAbs) + 0.5f, 0.0f);
    draw();
    glPopMatrix();
}

void Control::drawTree()
{
    glPushMatrix();
    glTranslatef(static_cast<float>(xAbs) + 0.5f, static_cast<float>(yAbs) + 0.5f, 0.0f);
    draw();
    glPopMatrix();
    for (Control* child = firstChild; child; child = child->nextSibling) child->drawTree();
}

void Control::pack(int x, int y)
{
    constexpr int childGap = 3;  // between consecutive children, and again above and below a panel
    updateSize();
    xAbs = x;
    yAbs = y;
    int curX = x + xMargin;
    int curY = y + topMargin;
    const int yTop = curY;
    int colStart = x + xMargin;
    int maxWidth = 0;
    int maxBottom = 0;
    Control* currentBreak = nullptr;
    for (Control* child = firstChild; child; child = child->nextSibling) {
        if (child != firstChild && child->previousSibling->kind != columnBreakKind) curY += childGap;
        if (child->kind == columnBreakKind) {
            colStart = curX + maxWidth + xMargin;
            child->xAbs = colStart;
            child->yAbs = yTop;
            child->width = 2;
            curY = yTop;
            curX = colStart + xMargin;
            maxWidth = 0;
            currentBreak = child;
            continue;
        }
        const bool isPanel = child->kind == panelKind;
        if (isPanel) curY += childGap;
        child->pack(curX, curY);
        if (isPanel) curY += childGap;
        curY += child->height;
        if (child->width > maxWidth) {
            maxWidth = child->width;
            if (currentBreak) currentBreak->width = maxWidth + xMargin;
        }
        if (curY > maxBottom) maxBottom = curY;
    }
    if (!isContainer) return;
    if (firstChild) {
        width = colStart + maxWidth + 2 * xMargin - x;
        height = maxBottom - y + bottomMargin;
    } else {
        width = 100;
        height = 13;
    }
    updateSize();
    for (Control* child = firstChild; child; child = child->nextSibling)
        if (child->kind == columnBreakKind) child->height = height - bottomMargin - topMargin;
}

void Control::addChild(Control* child)
{
    child->parent = this;
    child->previousSibling = lastChild;
    child->nextSibling = nullptr;
    if (lastChild) {
        lastChild->nextSibling = child;
    } else {
        firstChild = child;
    }
    lastChild = child;
    child->window = window;
}
