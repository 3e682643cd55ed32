// Drawing frames and pacing the simulation.
#include "frameLoop.h"

#include "camera.h"
#include "controlPanels.h"
#include "frameRecording.h"
#include "input.h"
#include "platformBackwardTab.h"
#include "platformWheel.h"
#include "programClock.h"
#include "renderMode.h"
#include "renderSettings.h"
#include "settings.h"
#include "shellState.h"
#include "simulationStep.h"
#include "touchPass.h"
#include "world.h"
#include "worldFrame.h"
#include "worldSettings.h"

#include <GL/glut.h>

namespace {
constexpr float wheelZoom = 0.02f * 8.0f;  // one wheel reading moves the camera 16 %
constexpr int speedCount = 5;
}  // namespace

void drawFrame()
{
    glutSetWindow(mainWindow);
    drawWorldFrame();
}

void display()
{
    drawFrame();
    glutSwapBuffers();
}

void stepWorld()
{
    simulationStep();
    recordStep();
}

bool stepIfDue()
{
    if (speed <= 0 || speed >= speedCount) return false;
    const float now = elapsedSeconds();
    if (world.lastStepTime + stepInterval[speed] > now) return false;
    stepWorld();
    return true;
}

void idle()
{
    display();
    feedRules();
    if (setTopology(topologyChoice) == 1) resetView();
    glutSetWindow(mainWindow);
    const int wheel = readWheel();
    cameraDistance = cameraDistance - cameraDistance * wheelZoom * static_cast<float>(wheel);
    if (stepIfDue() && getSelectedCell()) syncPanelFromSelection();
    if (touchHeld) pickAndTouch();
    deliverBackwardTabs();
}
