// The pick pass feeding the Touch tools.
#include "touchPass.h"

#include "input.h"
#include "picking.h"
#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "worldChanges.h"

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
    touchWorld(cell, touchHeld || pressed ? touchTool : -1, touchRadius());
}
