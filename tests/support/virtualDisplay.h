// A private X server for tests that need a display.
#pragma once

#include <string>

// Starts Xvfb on a free display number and points DISPLAY at it; returns the display name, or an
// empty one when the server did not come up. The server ends with this process: it is stopped by
// its parent-death signal once every X client in the process has closed its connection, which
// GLUT and Mesa do only at exit.
std::string startVirtualDisplay();
