// Asking a window to close, as a window manager does when a person clicks its close box.
#pragma once

#include <string>

// Sends the window the WM_DELETE_WINDOW message of the WM_PROTOCOLS convention; false when the
// display or the window cannot be reached.
bool askWindowToClose(const std::string& windowId);
