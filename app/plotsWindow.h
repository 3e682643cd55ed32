// The Plots window: the statistics of the world's own past as curves over its last steps, each
// with its own scale and its current value, above an axis of steps that names the step shown;
// drawn with the panels' look beside the world window.
#pragma once

#include "windowPlacement.h"
#include "worldChanges.h"

#include <string>

// The window's size, for the layout.
WindowPlace plotsSize();
// Where the window opens (beside the world window until set).
void setPlotsPlace(WindowPlace place);
// s writes the curves' rows to quillmoss-plots-STEP.csv in the working directory (-2, -3 ...
// when that name is taken); the keys the window does not use itself go to handler: the program's keys.
void setPlotsOtherKeys(void (*handler)(unsigned char key, int modifiers));

// Opens the window (nothing when it is open), closes it (nothing when it is closed), or either.
void openPlots();
void closePlots();
void togglePlots();
// The window's GLUT id, 0 while it is closed.
int plotsWindowId();
// Draws the curves into the window now, when it is open, as its display callback does.
void drawPlots();

// The window's watcher of the world: the curves follow what changed the world.
void showPlotsChange(WorldChange change);
// Asks for the curves to be shown when they changed and the last showing is a tenth of a second
// old; otherwise the milliseconds until they are due (-1: nothing waits). Each frame asks.
int showPlotsWhenDue();
