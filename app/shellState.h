// State of the application shell that lives for the whole run.
#pragma once

#include "view.h"
#include "world.h"

// GLUT id of the world window.
extern int mainWindow;

// The one world the desktop program shows and steps, and the world window's view of it. The
// panels' controls point into both, so a new world (another topology, a loaded file) is assigned
// into this one, never made elsewhere.
extern World world;
extern View view;
