// Drawing frames and pacing the simulation.
#include "frameLoop.h"

#include "camera.h"
#include "controlPanels.h"
#include "input.h"
#include "platformWheel.h"
#include "programClock.h"
#include "renderMode.h"
#include "renderSettings.h"
#include "settings.h"
#include "shellState.h"
#include "simulationStep.h"
#include "touchPass.h"
#include "world.h"
#include "worldLayer.h"
#include "worldSettings.h"

#include <GL/glut.h>

namespace {
constexpr float innerLift = 0.1f;
constexpr float wheelZoom = 0.02f * 8.0f;  // one wheel reading moves the camera 16 %
constexpr int speedCount = 5;
}  // namespace

void drawWorldLayers()
{
    if (outerRenderMode != noneMode) drawWorldLayer(outerRenderMode, zRenderMode, elevation, 0.0f, 1.0f);
    if (innerRenderMode != noneMode && innerRenderMode != outerRenderMode)
        drawWorldLayer(innerRenderMode, zRenderMode, elevation, innerLift, tileSize);
}

void drawFrame()
{
    glutSetWindow(mainWindow);
    // The clear colour is never set: the background is black.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setProjectionAndCamera();
    glDisable(GL_LIGHTING);
    drawWorldLayers();
}

void display()
{
    drawFrame();
    glutSwapBuffers();
}

bool stepIfDue()
{
    if (speed <= 0 || speed >= speedCount) return false;
    const float now = elapsedSeconds();
    if (world.lastStepTime + stepInterval[speed] > now) return false;
    simulationStep();
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
}
