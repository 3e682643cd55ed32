// The pick pass feeding the Touch tools.
#include "touchPass.h"

#include "controlPanels.h"
#include "input.h"
#include "picking.h"
#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "worldActions.h"
#include "worldTimeline.h"

namespace {
constexpr float brushGrowth = 5.0f;  // seconds to the full brush
}  // namespace

float touchRadius()
{
    const float ramp = rampSince(touchStartTime, brushGrowth);
    return ramp * ramp;
}

void pickAndTouch()
{
    const bool pressed = pressPending;
    pressPending = false;
    const int cell = pressed ? pickCellAt(world, view, pressX, pressY) : pickCellAt(world, view, mouseX, mouseY);
    const int tool = touchHeld || pressed ? touchTool : -1;
    touch(world, TouchView{view.selectedIndex, view.outerRenderMode}, cell, tool, touchRadius());
    if (tool != -1 && tool != selectCellTool) actionChanged();
    if (tool == selectCellTool) syncPanelFromSelection();
}
