// State of the application shell that lives for the whole run.
#pragma once

#include "view.h"

// GLUT id of the world window.
extern int mainWindow;

// The world window's view of the program's world (worldChanges.h holds the world). The Render
// panel's controls point into it.
extern View view;
