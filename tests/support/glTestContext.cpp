// The test window and panel windows for tests.
#include "glTestContext.h"

#include <GL/freeglut.h>

void initialiseGlut()
{
    if (glutGet(GLUT_INIT_STATE)) return;
    int argc = 1;
    char name[] = "quillmossTests";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
}

void useTestWindow(int width, int height)
{
    static int testWindow = 0;
    if (testWindow == 0) {
        initialiseGlut();
        glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
        glutInitWindowSize(width, height);
        testWindow = glutCreateWindow("quillmossTests");
        glutDisplayFunc([] {});  // freeglut insists on one; the tests draw themselves
    }
    glutSetWindow(testWindow);
    glutReshapeWindow(width, height);
}

PanelWindow* freshPanelWindow(const std::string& title)
{
    static int windowsMade = 0;
    initialiseGlut();
    const int slot = windowsMade++ % 12;  // four columns of three, each 380 x 280
    PanelWindow* window = panelManager.createPanelWindow(title, 10 + (slot % 4) * 380, 10 + (slot / 4) * 280);
    glutSetWindow(window->windowId);
    processEvents();
    return window;
}

void processEvents()
{
    for (int round = 0; round < 5; ++round) glutMainLoopEvent();
}

std::vector<unsigned char> panelPicture(PanelWindow& window, bool redraw)
{
    processEvents();
    glutSetWindow(window.windowId);
    if (redraw) window.display();
    glFinish();
    std::vector<unsigned char> rgb(static_cast<std::size_t>(window.width) * window.height * 3);
    glReadBuffer(GL_FRONT);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, window.width, window.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
