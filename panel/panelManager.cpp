// The panel manager: opening panel windows, the toolkit's GLUT callbacks and its idle function.
#include "panelManager.h"

#include "currentWindow.h"

#include <GL/glut.h>

PanelManager panelManager;

namespace {
constexpr int initialSide = 100;

PanelWindow* currentPanelWindow() { return panelManager.windowWithId(glutGetWindow()); }
}  // namespace

PanelWindow* PanelManager::createPanelWindow(const std::string& title, int x, int y)
{
    auto created = std::make_unique<PanelWindow>(title);
    PanelWindow* window = created.get();
    {
        const CurrentWindowGuard restore;
        glutInitWindowSize(initialSide, initialSide);
        if (x >= 0 || y >= 0) glutInitWindowPosition(x, y);
        glutInitDisplayMode(GLUT_RGB | GLUT_SINGLE);
        window->windowId = glutCreateWindow(window->title.c_str());
        glDisable(GL_DEPTH_TEST);
        glCullFace(GL_BACK);
        glDisable(GL_CULL_FACE);
        glDisable(GL_LIGHTING);
        glDrawBuffer(GL_FRONT);
        glutDisplayFunc(panelCallbacks::display);
        glutReshapeFunc(panelCallbacks::reshape);
        glutKeyboardFunc(panelCallbacks::keyboard);
        glutSpecialFunc(panelCallbacks::special);
        glutMouseFunc(panelCallbacks::mouse);
        glutMotionFunc(panelCallbacks::motion);
        glutPassiveMotionFunc(panelCallbacks::passiveMotion);
        glutEntryFunc(panelCallbacks::entry);
        glutVisibilityFunc(panelCallbacks::visibility);
    }
    windows.push_back(std::move(created));
    return window;
}

void PanelManager::setIdleCallback(void (*idle)())
{
    idleCallback = idle;
    glutIdleFunc(panelCallbacks::idle);
}

void PanelManager::setOtherKeysCallback(void (*keys)(unsigned char key, int modifiers)) { otherKeysCallback = keys; }

PanelWindow* PanelManager::windowWithId(int glutWindowId) const
{
    for (const auto& window : windows)
        if (window->windowId == glutWindowId) return window.get();
    return nullptr;
}

namespace panelCallbacks {

void display()
{
    if (PanelWindow* window = currentPanelWindow()) window->display();
}

void reshape(int w, int h)
{
    if (PanelWindow* window = currentPanelWindow()) window->reshape(w, h);
}

void keyboard(unsigned char key, int, int)
{
    PanelWindow* window = currentPanelWindow();
    if (!window) return;
    const int modifiers = glutGetModifiers();
    window->keyboard(key, modifiers);
    if (!PanelWindow::keepsKey(key) && panelManager.otherKeysCallback) panelManager.otherKeysCallback(key, modifiers);
}

void special(int, int, int)
{
    if (PanelWindow* window = currentPanelWindow()) window->special(glutGetModifiers());
}

void mouse(int button, int state, int x, int y)
{
    if (PanelWindow* window = currentPanelWindow()) window->mouse(button, state, x, y, glutGetModifiers());
}

void motion(int x, int y)
{
    if (PanelWindow* window = currentPanelWindow()) window->motion(x, y);
}

void passiveMotion(int, int)
{
    if (PanelWindow* window = currentPanelWindow()) window->passiveMotion();
}

void entry(int)
{
    if (PanelWindow* window = currentPanelWindow()) window->entry();
}

void visibility(int) {}

void idle()
{
    for (const auto& window : panelManager.windows) {
        const CurrentWindowGuard restore(window->windowId);
        glFinish();
    }
    if (panelManager.idleCallback) panelManager.idleCallback();
}

}  // namespace panelCallbacks
