// With X's standard keymap Shift+Tab yields the keysym ISO_Left_Tab and no character, so freeglut
// never reports it. A second connection to the same display listens to the key presses of the panel
// windows (X lets any number of clients select them) and passes those on to the toolkit.
#include "platformBackwardTab.h"

#include "panelManager.h"

#include <GL/glut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <map>

namespace {

Display* listener = nullptr;
bool listenerFailed = false;
std::map<Window, int> watchedWindows;  // X window to GLUT window id

bool openListener()
{
    if (listener || listenerFailed) return listener != nullptr;
    Display* shown = glXGetCurrentDisplay();
    listener = shown ? XOpenDisplay(DisplayString(shown)) : nullptr;
    listenerFailed = listener == nullptr;
    return listener != nullptr;
}

// The X window of a GLUT window is the drawable its context draws to while it is current.
void watchNewPanelWindows()
{
    if (watchedWindows.size() == panelManager.windows.size()) return;
    const int previous = glutGetWindow();
    for (const auto& panel : panelManager.windows) {
        glutSetWindow(panel->windowId);
        const Window window = glXGetCurrentDrawable();
        if (window == 0 || watchedWindows.count(window)) continue;
        watchedWindows[window] = panel->windowId;
        XSelectInput(listener, window, KeyPressMask);
    }
    XFlush(listener);
    if (previous > 0) glutSetWindow(previous);
}

// A press freeglut reported itself has a character; ISO_Left_Tab without one it never reports.
bool isSilentBackwardTab(XKeyEvent& press)
{
    char text[8];
    KeySym symbol = NoSymbol;
    const int length = XLookupString(&press, text, sizeof text, &symbol, nullptr);
    return length == 0 && symbol == XK_ISO_Left_Tab;
}

int glutModifiers(unsigned int state)
{
    return GLUT_ACTIVE_SHIFT | ((state & ControlMask) ? GLUT_ACTIVE_CTRL : 0) | ((state & Mod1Mask) ? GLUT_ACTIVE_ALT : 0);
}

void deliver(int glutWindow, int modifiers)
{
    PanelWindow* panel = panelManager.windowWithId(glutWindow);
    if (!panel) return;
    const int previous = glutGetWindow();
    glutSetWindow(glutWindow);
    panel->keyboard('\t', modifiers);
    if (previous > 0) glutSetWindow(previous);
}

}  // namespace

void deliverBackwardTabs()
{
    if (!openListener()) return;
    watchNewPanelWindows();
    while (XPending(listener) > 0) {
        XEvent event;
        XNextEvent(listener, &event);
        if (event.type != KeyPress || !isSilentBackwardTab(event.xkey)) continue;
        const auto watched = watchedWindows.find(event.xkey.window);
        if (watched != watchedWindows.end()) deliver(watched->second, glutModifiers(event.xkey.state));
    }
}

int backwardTabConnection() { return listener ? ConnectionNumber(listener) : -1; }

bool backwardTabsPending() { return listener && XPending(listener) > 0; }
