// State of the application shell that lives for the whole run.
#pragma once

// GLUT id of the world window.
extern int mainWindow;
