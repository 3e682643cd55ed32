// Drawing a frame of the world window.
#include "frameLoop.h"

#include "shellState.h"

#include <GL/glut.h>

void display()
{
    glutSetWindow(mainWindow);
    // The clear colour is never set: the background is black.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glutSwapBuffers();
}
