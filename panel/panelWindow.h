// A panel window: one single-buffered GLUT window holding a tree of controls.
#pragma once

#include "control.h"
#include "stockImages.h"

#include <memory>
#include <string>
#include <vector>

class Button;
class Checkbox;
class ColumnBreak;
class Panel;
class RadioButton;
class RadioGroup;
class Slider;
class StaticText;

class PanelWindow {
public:
    static constexpr std::size_t titleLimit = 299;

    // The window's state before its GLUT window exists; PanelManager::createPanelWindow opens it.
    explicit PanelWindow(const std::string& title);
    PanelWindow(const PanelWindow&) = delete;
    PanelWindow& operator=(const PanelWindow&) = delete;

    // The program's graphics window: callbacks run with it current, and changes ask it to redisplay.
    void setMainGraphicsWindow(int glutWindowId);
    // Shows every value the program wrote to a bound variable since the controls last saw it.
    void syncLive();

    // The creation operations: each names the control, adds it as the last child of the parent
    // (which must be a container of this window; without one, the root panel), refreshes the
    // window and reads the bound variable. Each returns the control, or none when the parent is
    // not a container of this window.
    Panel* addPanel(const std::string& title, int border);
    Panel* addPanel(Control* parent, const std::string& title, int border);
    StaticText* addStaticText(const std::string& text);
    StaticText* addStaticText(Control* parent, const std::string& text);
    // Always in the root panel: a new column to the right. drawBar 1 draws an etched line.
    ColumnBreak* addColumnBreak(int drawBar);
    Checkbox* addCheckbox(Control* parent, const std::string& label, int* live, int id, ControlCallback callback);
    RadioGroup* addRadioGroup(Control* parent, int* live, int id, ControlCallback callback);
    // None, and nothing added, when group is not a radio group of this window.
    RadioButton* addRadioButton(Control* group, const std::string& label);
    Button* addButton(Control* parent, const std::string& label, int id, ControlCallback callback);
    Slider* addSlider(const std::string& label, int liveKind, void* live, int id, ControlCallback callback);
    Slider* addSlider(Control* parent, const std::string& label, int liveKind, void* live, int id, ControlCallback callback);

    // The deepest control on the first path of controls containing the point; none outside them all.
    Control* findControlAt(int x, int y);
    // Gives the focus to c when it can take it (taking it from any other window); otherwise clears it.
    void activateControl(Control* c);
    // Takes the focus from this window's control, repainting it; the program's focus owner is
    // cleared when it was this window.
    void deactivateCurrent();
    // The focusable control after (before) from in tree order; none past the last (before the first).
    Control* nextFocusable(Control* from);
    Control* previousFocusable(Control* from);
    // Asks the main graphics window to redisplay.
    void postMainRedisplay();
    // Packs the window, sizes its GLUT window to fit and asks for a full redraw.
    void refresh();
    // Packs and aligns every control; the window takes the root panel's size.
    void pack();

    // The routing of the GLUT events of this window; the toolkit's callbacks pass the modifiers.
    void display();
    void reshape(int w, int h);
    void keyboard(unsigned char key, int modifiers);
    // Whether the key is one of the panels' own: Tab (with or without Shift), Space, Enter.
    static bool keepsKey(unsigned char key);
    void special(int modifiers);
    void mouse(int button, int state, int x, int y, int modifiers);
    void motion(int x, int y);
    void passiveMotion();
    void entry();

    int windowId = -1;
    int mainGraphicsWindow = -1;
    Panel* rootPanel = nullptr;
    Control* focusedControl = nullptr;
    bool buttonHeld = false;  // the left button went down here and has not come up
    bool pressReachedFocus = false;  // that press went to the focused control (not beside every control)
    int width = 0;  // the packed size, which the window always has
    int height = 0;
    std::string title;
    unsigned char background[3] = {200, 200, 200};
    void* font;
    int modifiers = 0;
    StockImages images;

private:
    template <typename Made>
    Made* adopt(std::unique_ptr<Made> control, Control* parent, const std::string& name);
    Control* containerOrRoot(Control* parent) const;

    std::vector<std::unique_ptr<Control>> controls;  // every control of the window, for its lifetime
    bool redrawAfterReshape = false;
};
