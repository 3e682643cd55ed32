// Pacing the simulation and drawing its frames.
#include "frameLoop.h"

#include "controlPanels.h"
#include "input.h"
#include "platformBackwardTab.h"
#include "platformEventWait.h"
#include "platformWheel.h"
#include "plotsWindow.h"
#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "touchPass.h"
#include "worldWindow.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>

namespace {
constexpr float wheelZoom = 0.02f * 8.0f;  // one wheel reading moves the camera 16 %
constexpr int speedCount = 5;
constexpr int pulseFrameMilliseconds = 33;
constexpr float millisecondsPerSecond = 1000.0f;

bool redrawWanted = true;

bool picturePulses()
{
    return selectedCell(world, view.selectedIndex) || view.outerRenderMode == geneologyMode ||
           view.innerRenderMode == geneologyMode;
}

// The sooner of two waits in milliseconds, -1 standing for none.
int soonest(int first, int second) { return first < 0 ? second : second < 0 ? first : std::min(first, second); }

int millisecondsToNextStep()
{
    if (speed <= 0 || speed >= speedCount) return -1;
    const float wait = world.lastStepTime + stepInterval[speed] - elapsedSeconds();
    return wait > 0.0f ? static_cast<int>(std::ceil(wait * millisecondsPerSecond)) : 0;
}

}  // namespace

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
    if (topologyChoice != world.topology) changeTopology(topologyChoice);
    if (sliderLetGo(actionSource())) endAction();
    glutSetWindow(mainWindow);
    const int wheel = readWheel();
    view.camera.distance = view.camera.distance - view.camera.distance * wheelZoom * static_cast<float>(wheel);
    redrawWanted = redrawWanted || wheel != 0;
    stepIfDue();
    if (touchHeld || pressPending) pickAndTouch();
    deliverBackwardTabs();
    const int plots = showPlotsWhenDue();
    if (redrawWanted || touchHeld) return 0;
    const int step = soonest(millisecondsToNextStep(), plots);
    if (!picturePulses()) return step;
    return step >= 0 && step < pulseFrameMilliseconds ? step : pulseFrameMilliseconds;
}

void idle()
{
    const int rest = runFrame();
    if (rest != 0) redrawWanted = waitForEvents(rest) || picturePulses();
}

void redrawOnChange(WorldChange) { redrawWanted = true; }
