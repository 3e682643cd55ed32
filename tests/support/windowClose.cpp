// The close request with Xlib: a ClientMessage, since xdotool can only destroy or kill.
#include "windowClose.h"

#include <X11/Xlib.h>

#include <cstdlib>

bool askWindowToClose(const std::string& windowId)
{
    const Window window = std::strtoul(windowId.c_str(), nullptr, 0);
    Display* display = window ? XOpenDisplay(nullptr) : nullptr;
    if (!display) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XCloseDisplay(display);
    return sent;
}
