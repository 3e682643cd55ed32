// Panel windows: creating controls, focus, and the routing of GLUT events to controls.
#include "panelWindow.h"

#include "button.h"
#include "checkbox.h"
#include "columnBreak.h"
#include "currentWindow.h"
#include "panel.h"
#include "panelManager.h"
#include "radioGroup.h"
#include "slider.h"
#include "staticText.h"

#include <GL/glut.h>

namespace {
constexpr unsigned char tabKey = 9;
constexpr unsigned char spaceKey = 32;
constexpr unsigned char enterKey = 13;
constexpr int outsideEveryControl = -1;  // a window point no control covers
constexpr int rootWidth = 300;
constexpr int rootHeight = 20;
}  // namespace

PanelWindow::PanelWindow(const std::string& windowTitle)
    : title(windowTitle.substr(0, titleLimit)), font(GLUT_BITMAP_HELVETICA_12)
{
    auto root = std::make_unique<Panel>();
    root->width = rootWidth;
    root->height = rootHeight;
    root->name.clear();
    root->window = this;
    rootPanel = root.get();
    controls.push_back(std::move(root));
}

void PanelWindow::setMainGraphicsWindow(int glutWindowId) { mainGraphicsWindow = glutWindowId; }

void PanelWindow::syncLive() { rootPanel->syncLive(true, true); }

Control* PanelWindow::containerOrRoot(Control* parent) const
{
    if (!parent) return rootPanel;
    return parent->isContainer && parent->window == this ? parent : nullptr;
}

template <typename Made>
Made* PanelWindow::adopt(std::unique_ptr<Made> control, Control* parent, const std::string& name)
{
    Made* made = control.get();
    controls.push_back(std::move(control));
    made->setName(name);
    parent->addChild(made);
    made->updateSize();
    refresh();
    return made;
}

Panel* PanelWindow::addPanel(const std::string& panelTitle, int border) { return addPanel(nullptr, panelTitle, border); }

Panel* PanelWindow::addPanel(Control* parent, const std::string& panelTitle, int border)
{
    Control* container = containerOrRoot(parent);
    if (!container) return nullptr;
    auto panel = std::make_unique<Panel>();
    panel->intValue = border;
    return adopt(std::move(panel), container, panelTitle);
}

StaticText* PanelWindow::addStaticText(const std::string& text) { return addStaticText(nullptr, text); }

StaticText* PanelWindow::addStaticText(Control* parent, const std::string& text)
{
    Control* container = containerOrRoot(parent);
    if (!container) return nullptr;
    return adopt(std::make_unique<StaticText>(), container, text);
}

ColumnBreak* PanelWindow::addColumnBreak(int drawBar)
{
    auto columnBreak = std::make_unique<ColumnBreak>();
    columnBreak->intValue = drawBar;
    ColumnBreak* made = columnBreak.get();
    controls.push_back(std::move(columnBreak));
    rootPanel->addChild(made);
    refresh();
    return made;
}

Checkbox* PanelWindow::addCheckbox(Control* parent, const std::string& label, int* live, int controlId, ControlCallback callback)
{
    Control* container = containerOrRoot(parent);
    if (!container) return nullptr;
    auto checkbox = std::make_unique<Checkbox>();
    checkbox->id = controlId;
    checkbox->callback = callback;
    checkbox->livePtr = live;
    Checkbox* made = adopt(std::move(checkbox), container, label);
    made->readLive();
    return made;
}

RadioGroup* PanelWindow::addRadioGroup(Control* parent, int* live, int controlId, ControlCallback callback)
{
    Control* container = containerOrRoot(parent);
    if (!container) return nullptr;
    auto group = std::make_unique<RadioGroup>();
    group->id = controlId;
    group->callback = callback;
    group->livePtr = live;
    // Taken before readLive, so that reading the same value changes nothing.
    if (live) group->intValue = group->lastLiveInt = *live;
    const std::string label = group->name;  // a group keeps its class label: it is never drawn
    RadioGroup* made = adopt(std::move(group), container, label);
    made->readLive();
    return made;
}

RadioButton* PanelWindow::addRadioButton(Control* group, const std::string& label)
{
    if (!group || group->kind != Control::radioGroupKind || group->window != this) return nullptr;
    auto& owner = static_cast<RadioGroup&>(*group);
    auto button = std::make_unique<RadioButton>(owner);
    button->setInt(0);
    button->id = owner.buttonCount++;
    RadioButton* made = adopt(std::move(button), group, label);
    owner.setInt(owner.intValue);
    return made;
}

Button* PanelWindow::addButton(Control* parent, const std::string& label, int controlId, ControlCallback callback)
{
    Control* container = containerOrRoot(parent);
    if (!container) return nullptr;
    auto button = std::make_unique<Button>();
    button->id = controlId;
    button->callback = callback;
    return adopt(std::move(button), container, label);
}

Slider* PanelWindow::addSlider(const std::string& label, int liveKind, void* live, int controlId, ControlCallback callback)
{
    return addSlider(nullptr, label, liveKind, live, controlId, callback);
}

Slider* PanelWindow::addSlider(Control* parent, const std::string& label, int liveKind, void* live, int controlId,
                               ControlCallback callback)
{
    Control* container = containerOrRoot(parent);
    if (!container) return nullptr;
    auto slider = std::make_unique<Slider>();
    slider->id = controlId;
    slider->callback = callback;
    slider->liveKind = liveKind == Control::intLive ? Control::intLive : Control::floatLive;
    slider->livePtr = live;
    Slider* made = adopt(std::move(slider), container, label);
    made->readLive();
    return made;
}

Control* PanelWindow::findControlAt(int x, int y)
{
    Control* best = nullptr;
    Control* control = rootPanel;
    while (control) {
        const bool inside = control->kind != Control::columnBreakKind && control->xAbs <= x &&
                            x <= control->xAbs + control->width && control->yAbs <= y && y <= control->yAbs + control->height;
        if (!inside) {
            control = control->nextSibling;
            continue;
        }
        if (!control->firstChild) return control;
        best = control;
        control = control->firstChild;
    }
    return best;
}

void PanelWindow::activateControl(Control* c)
{
    if (panelManager.focusWindow && panelManager.focusWindow != this) panelManager.focusWindow->deactivateCurrent();
    if (c && c->canFocus) {
        focusedControl = c;
        c->activate();
        c->redrawControl();
    } else {
        focusedControl = nullptr;
    }
    panelManager.focusWindow = this;
    panelManager.focusControl = focusedControl;
}

void PanelWindow::deactivateCurrent()
{
    if (focusedControl) {
        const CurrentWindowGuard restore(windowId);
        // Losing the focus in the middle of a press (another window took it) ends the press as a
        // release outside would: the control puts back what the press changed and fires nothing.
        if (buttonHeld && pressReachedFocus) focusedControl->onMouseUp(outsideEveryControl, outsideEveryControl, false);
        pressReachedFocus = false;
        focusedControl->deactivate();
        focusedControl->redrawControl();
        focusedControl = nullptr;
    }
    // Only this window's focus is given up: a Tab here must not forget the control another
    // window still shows focused, or the next activation would leave two.
    if (panelManager.focusWindow == this) {
        panelManager.focusWindow = nullptr;
        panelManager.focusControl = nullptr;
    }
}

Control* PanelWindow::nextFocusable(Control* from)
{
    Control* current = from ? from : rootPanel;
    while (true) {
        Control* next = current->firstChild ? current->firstChild : current->nextSibling;
        if (!next) {
            Control* up = current->parent;
            while (up && up != rootPanel && !up->nextSibling) up = up->parent;
            if (!up || up == rootPanel) return nullptr;
            next = up->nextSibling;
        }
        if (next->canFocus) return next;
        current = next;
    }
}

Control* PanelWindow::previousFocusable(Control* from)
{
    Control* before = rootPanel;
    Control* reached = nextFocusable(nullptr);
    while (reached && reached != from) {
        before = reached;
        reached = nextFocusable(reached);
    }
    if (!from) return before;  // the last focusable control, or the root when there is none
    if (!reached || before == rootPanel) return nullptr;
    return before;
}

void PanelWindow::postMainRedisplay()
{
    if (mainGraphicsWindow <= 0) return;
    const CurrentWindowGuard restore(mainGraphicsWindow);
    glutPostRedisplay();
}

void PanelWindow::pack()
{
    rootPanel->pack(0, 0);
    // Pre-order: every container aligns before its children, which align within it.
    for (Control* control = rootPanel; control;) {
        control->align();
        if (control->firstChild) {
            control = control->firstChild;
            continue;
        }
        while (control && !control->nextSibling) control = control->parent;
        if (control) control = control->nextSibling;
    }
    width = rootPanel->width;
    height = rootPanel->height;
}

void PanelWindow::refresh()
{
    pack();
    if (windowId <= 0) return;
    const CurrentWindowGuard restore(windowId);
    glutReshapeWindow(width, height);
    glutPostRedisplay();
}

void PanelWindow::display()
{
    glClearColor(background[0] / 255.0f, background[1] / 255.0f, background[2] / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    const int shownWidth = glutGet(GLUT_WINDOW_WIDTH);
    const int shownHeight = glutGet(GLUT_WINDOW_HEIGHT);
    // A window the user resized is put back first; the reshape brings a new display.
    if (shownWidth != rootPanel->width || shownHeight != rootPanel->height) {
        glutReshapeWindow(rootPanel->width, rootPanel->height);
        return;
    }
    const double w = shownWidth;
    const double h = shownHeight;
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, w, 0.0, h, -1000.0, 1000.0);
    // Turned twice about the centre: a panel point (x, y) lands on window pixel (x, h - y).
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslated(w / 2.0, h / 2.0, 0.0);
    glRotated(180.0, 0.0, 1.0, 0.0);
    glRotated(180.0, 0.0, 0.0, 1.0);
    glTranslated(-w / 2.0, -h / 2.0, 0.0);
    rootPanel->drawTree();
    glFinish();
    // Mesa's software rasterizer under X can lose the first frame drawn into a single-buffered
    // window after its size changed: one more full redraw after each reshape shows it for sure.
    if (redrawAfterReshape) {
        redrawAfterReshape = false;
        glutPostRedisplay();
    }
}

void PanelWindow::reshape(int w, int h)
{
    pack();
    if (w != width || h != height) glutReshapeWindow(width, height);
    glViewport(0, 0, width, height);
    redrawAfterReshape = true;
}

void PanelWindow::keyboard(unsigned char key, int keyModifiers)
{
    modifiers = keyModifiers;
    if (key == tabKey && !buttonHeld) {
        Control* target = (modifiers & GLUT_ACTIVE_SHIFT) ? previousFocusable(focusedControl) : nextFocusable(focusedControl);
        deactivateCurrent();
        activateControl(target);
    } else if (key == spaceKey && focusedControl && !buttonHeld) {
        // While the button holds a press, a Space press would overwrite what the release restores.
        Control* pressed = focusedControl;
        pressed->onMouseDown(0, 0);
        pressed->onMouseUp(0, 0, true);
    }
    glFinish();
}

bool PanelWindow::keepsKey(unsigned char key) { return key == tabKey || key == spaceKey || key == enterKey; }

void PanelWindow::special(int keyModifiers)
{
    modifiers = keyModifiers;
    glFinish();
}

void PanelWindow::mouse(int button, int state, int x, int y, int buttonModifiers)
{
    modifiers = buttonModifiers;
    if (button != GLUT_LEFT_BUTTON) return;
    Control* under = findControlAt(x, y);
    if (buttonHeld && pressReachedFocus && focusedControl && state == GLUT_UP) {
        focusedControl->onMouseUp(x, y, under == focusedControl);
        glutSetCursor(GLUT_CURSOR_LEFT_ARROW);
        buttonHeld = false;
    } else if (under && !buttonHeld) {
        if (state == GLUT_DOWN) {
            if (focusedControl) deactivateCurrent();
            activateControl(under);
            under->onMouseDown(x, y);
            buttonHeld = true;
            pressReachedFocus = true;
        } else {
            buttonHeld = false;
        }
    } else {
        // A press beside every control is held, but neither its drag nor its release may reach a
        // control the keyboard focused: that control was never pressed and has nothing to restore.
        if (!buttonHeld) pressReachedFocus = false;
        buttonHeld = state == GLUT_DOWN;
    }
    glFinish();
}

void PanelWindow::motion(int x, int y)
{
    if (buttonHeld && pressReachedFocus && focusedControl)
        focusedControl->onMouseHeld(x, y, findControlAt(x, y) == focusedControl);
    glFinish();
}

void PanelWindow::passiveMotion() { glFinish(); }

void PanelWindow::entry() { glutSetCursor(GLUT_CURSOR_LEFT_ARROW); }
