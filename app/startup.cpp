// Start-up: from the generator's seed to the event loop, in the order the program depends on.
#include "startup.h"

#include "aboutNotice.h"
#include "controlPanels.h"
#include "driverReport.h"
#include "frameLoop.h"
#include "input.h"
#include "panelManager.h"
#include "platformStack.h"
#include "platformTimer.h"
#include "platformWheel.h"
#include "programClock.h"
#include "randomGenerator.h"
#include "settings.h"
#include "shellState.h"
#include "world.h"

#include <GL/glut.h>

#include <cstdio>
#include <ctime>

namespace {
constexpr int mainWindowX = 500;
constexpr int mainWindowY = 32;
constexpr int mainWindowSize = 740;

void registerWorldCallbacks()
{
    glutDisplayFunc(display);
    glutPassiveMotionFunc(onMousePosition);
    glutMotionFunc(onMousePosition);
    glutMouseFunc(onMouseButton);
    glutSpecialFunc(onSpecialKey);
    glutKeyboardFunc(onKeyboard);
}
}  // namespace

void printBanner()
{
    std::printf("Quillmoss\n");
    std::printf("An artificial-life sandbox: cultures grow, adapt, spread and conquer.\n");
    std::printf("Written by the Quillmoss developers.\n");
    std::printf("Windows and input by freeglut, the Free OpenGL Utility Toolkit.\n");
    std::printf("Control panels by the Quillmoss panel toolkit.\n");
}

int runQuillmoss(int argc, char** argv)
{
    reserveStack(stackReserve);
    generator::seed(static_cast<std::uint32_t>(std::time(nullptr)));
    setMillisecondSource(platformMilliseconds);
    startClock();
    printBanner();

    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    mainWindow = glutCreateWindow("Quillmoss");
    glutPositionWindow(mainWindowX, mainWindowY);
    glutReshapeWindow(mainWindowSize, mainWindowSize);
    reportDriver();

    initWorld(topologyChoice);
    registerWorldCallbacks();
    glEnable(GL_DEPTH_TEST);
    openWheelMouse();

    buildSimulationPanel();
    buildRenderPanel();
    glutSetWindow(mainWindow);
    glutPushWindow();

    panelManager.setIdleCallback(idle);
    showAboutNotice();
    glutMainLoop();
    return 0;
}
