// The frame: pacing the steps, and the idle function that runs it all.
#pragma once

#include "worldChanges.h"

// Seconds between automatic steps for each speed; "Paused" (0) never steps.
inline constexpr float stepInterval[5] = {0.000001f, 3.0f, 0.75f, 0.1f, 1.0f / 30.0f};

// Runs one simulation step when the chosen speed says one is due; true when it did.
bool stepIfDue();

// One frame: draw when the picture changed, apply the topology choice, end a
// slider's action when it is let go, zoom by the wheel, step when due, touch while the left button
// is held or once for a press the frames missed, and pass on Shift+Tab. Returns how long the
// program may rest before the next frame: 0 for no rest, else until the next step or the next beat
// of a pulsing picture (the selected cell's outline, the Geneology links), -1 when only an event
// changes anything.
int runFrame();

// The idle function: runFrame, then a rest that ends early at any event, after which the picture
// is drawn again.
void idle();

// The world window's watcher: any change is drawn in the next frame.
void redrawOnChange(WorldChange change);
