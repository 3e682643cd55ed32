// The guards around window and buffer switches.
#include "currentWindow.h"

#include <GL/glut.h>

CurrentWindowGuard::CurrentWindowGuard() : remembered(glutGetWindow()) {}

CurrentWindowGuard::CurrentWindowGuard(int windowId) : remembered(glutGetWindow())
{
    if (windowId > 0 && windowId != remembered) glutSetWindow(windowId);
}

CurrentWindowGuard::~CurrentWindowGuard()
{
    if (remembered > 0 && glutGetWindow() != remembered) glutSetWindow(remembered);
}

FrontBufferGuard::FrontBufferGuard() : remembered(0)
{
    glGetIntegerv(GL_DRAW_BUFFER, &remembered);
    glDrawBuffer(GL_FRONT);
}

FrontBufferGuard::~FrontBufferGuard() { glDrawBuffer(static_cast<GLenum>(remembered)); }
