// Window captures with XGetImage, taken from the screen so that a window partly off it can be read.
#include "windowCapture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>

namespace {

// The shift that brings a mask's lowest set bit to bit 0.
int maskShift(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1ul)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// A window that vanished meanwhile gives an empty picture rather than ending the test program.
int ignoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

WindowPicture captureWindow(const std::string& windowId)
{
    WindowPicture picture;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return picture;
    XSetErrorHandler(ignoreError);
    const Window window = std::strtoul(windowId.c_str(), nullptr, 0);
    XWindowAttributes attributes;
    Window child = 0;
    int left = 0;
    int top = 0;
    const Window root = DefaultRootWindow(display);
    if (window && XGetWindowAttributes(display, window, &attributes) &&
        XTranslateCoordinates(display, window, root, 0, 0, &left, &top, &child)) {
        picture.width = attributes.width;
        picture.height = attributes.height;
        picture.rgb.assign(static_cast<size_t>(picture.width) * picture.height * 3, 0);
        // The part of the window on the screen; the rest stays black.
        const int x0 = std::max(left, 0);
        const int y0 = std::max(top, 0);
        const int x1 = std::min(left + attributes.width, DisplayWidth(display, DefaultScreen(display)));
        const int y1 = std::min(top + attributes.height, DisplayHeight(display, DefaultScreen(display)));
        XImage* image = x1 > x0 && y1 > y0 ? XGetImage(display, root, x0, y0, x1 - x0, y1 - y0, AllPlanes, ZPixmap) : nullptr;
        if (image) {
            const int shifts[] = {maskShift(image->red_mask), maskShift(image->green_mask), maskShift(image->blue_mask)};
            const unsigned long masks[] = {image->red_mask, image->green_mask, image->blue_mask};
            for (int y = y0; y < y1; ++y)
                for (int x = x0; x < x1; ++x) {
                    const unsigned long value = XGetPixel(image, x - x0, y - y0);
                    std::uint8_t* pixel = &picture.rgb[(static_cast<size_t>(y - top) * picture.width + (x - left)) * 3];
                    for (int channel = 0; channel < 3; ++channel)
                        pixel[channel] = static_cast<std::uint8_t>((value & masks[channel]) >> shifts[channel]);
                }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return picture;
}

double litShare(const WindowPicture& picture, int x0, int x1, int y0, int y1)
{
    int lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const std::uint8_t* pixel = picture.pixel(x, y);
            lit += pixel[0] || pixel[1] || pixel[2];
        }
    return static_cast<double>(lit) / ((x1 - x0) * (y1 - y0));
}
