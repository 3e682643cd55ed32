// GLUT has no call that waits for events while an idle function is set, so the idle function waits
// on the X connections itself: GLUT's, found through the current context, and the Shift+Tab
// listener's.
#include "platformEventWait.h"

#include "platformBackwardTab.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <poll.h>

bool waitForEvents(int timeoutMilliseconds)
{
    Display* shown = glXGetCurrentDisplay();
    if (!shown) return false;
    // Events Xlib has already read off the connection leave nothing on it to wake poll.
    if (XPending(shown) > 0 || backwardTabsPending()) return true;
    pollfd connections[] = {{ConnectionNumber(shown), POLLIN, 0}, {backwardTabConnection(), POLLIN, 0}};
    const nfds_t count = connections[1].fd >= 0 ? 2 : 1;
    const bool limited = timeoutMilliseconds >= 0 && timeoutMilliseconds < longestRest;
    return poll(connections, count, limited ? timeoutMilliseconds : longestRest) > 0;
}
