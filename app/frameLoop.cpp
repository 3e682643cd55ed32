// Drawing frames and pacing the simulation.
#include "frameLoop.h"

#include "camera.h"
#include "controlPanels.h"
#include "frameRecording.h"
#include "input.h"
#include "platformBackwardTab.h"
#include "platformEventWait.h"
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

#include <cmath>

namespace {
constexpr float wheelZoom = 0.02f * 8.0f;  // one wheel reading moves the camera 16 %
constexpr int speedCount = 5;
constexpr int pulseFrameMilliseconds = 33;
constexpr float millisecondsPerSecond = 1000.0f;

bool redrawWanted = true;

bool picturePulses()
{
    return getSelectedCell() || outerRenderMode == geneologyMode || innerRenderMode == geneologyMode;
}

int millisecondsToNextStep()
{
    if (speed <= 0 || speed >= speedCount) return -1;
    const float wait = world.lastStepTime + stepInterval[speed] - elapsedSeconds();
    return wait > 0.0f ? static_cast<int>(std::ceil(wait * millisecondsPerSecond)) : 0;
}

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

int runFrame()
{
    if (redrawWanted) {
        redrawWanted = false;
        display();
    }
    feedRules();
    if (setTopology(topologyChoice) == 1) {
        resetView();
        redrawWanted = true;
    }
    glutSetWindow(mainWindow);
    const int wheel = readWheel();
    cameraDistance = cameraDistance - cameraDistance * wheelZoom * static_cast<float>(wheel);
    redrawWanted = redrawWanted || wheel != 0;
    if (stepIfDue()) {
        redrawWanted = true;
        if (getSelectedCell()) syncPanelFromSelection();
    }
    if (touchHeld || pressPending) {
        pickAndTouch();
        redrawWanted = true;
    }
    deliverBackwardTabs();
    if (redrawWanted || touchHeld) return 0;
    const int step = millisecondsToNextStep();
    if (!picturePulses()) return step;
    return step >= 0 && step < pulseFrameMilliseconds ? step : pulseFrameMilliseconds;
}

void idle()
{
    const int rest = runFrame();
    if (rest != 0) redrawWanted = waitForEvents(rest) || picturePulses();
}
