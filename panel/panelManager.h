// The panel toolkit's one manager: the windows, the keyboard focus of the program, the idle hook.
#pragma once

#include "panelWindow.h"

#include <memory>
#include <string>
#include <vector>

class PanelManager {
public:
    // Opens a panel window with the title; x and y place it (-1, -1: where the window system likes).
    PanelWindow* createPanelWindow(const std::string& title, int x, int y);
    // The program's idle function, called by the toolkit's own after a glFinish for every window.
    void setIdleCallback(void (*idle)());
    // The panel window of a GLUT window id; none for any other window.
    PanelWindow* windowWithId(int glutWindowId) const;
    // The program's keys: every key typed in a panel window that the panels keep none of (Tab,
    // Space and Enter are theirs) goes to keys, with the GLUT modifiers, so that it acts as it does
    // in the program's other windows.
    void setOtherKeysCallback(void (*keys)(unsigned char key, int modifiers));

    std::vector<std::unique_ptr<PanelWindow>> windows;  // in creation order
    void (*idleCallback)() = nullptr;
    void (*otherKeysCallback)(unsigned char key, int modifiers) = nullptr;
    // The one focused control of the program, and its window.
    PanelWindow* focusWindow = nullptr;
    Control* focusControl = nullptr;
};

extern PanelManager panelManager;

// The GLUT callbacks every panel window registers; each finds its window by the current GLUT window.
namespace panelCallbacks {
void display();
void reshape(int w, int h);
void keyboard(unsigned char key, int x, int y);
void special(int key, int x, int y);
void mouse(int button, int state, int x, int y);
void motion(int x, int y);
void passiveMotion(int x, int y);
void entry(int state);
void visibility(int state);
void idle();
}  // namespace panelCallbacks
