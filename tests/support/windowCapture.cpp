// Window captures with XGetImage.
#include "windowCapture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

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
}  // namespace

WindowPicture captureWindow(const std::string& windowId)
{
    WindowPicture picture;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return picture;
    const Window window = std::strtoul(windowId.c_str(), nullptr, 0);
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes)) {
        XImage* image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
        if (image) {
            picture.width = attributes.width;
            picture.height = attributes.height;
            picture.rgb.reserve(static_cast<size_t>(picture.width) * picture.height * 3);
            const int shifts[] = {maskShift(image->red_mask), maskShift(image->green_mask), maskShift(image->blue_mask)};
            const unsigned long masks[] = {image->red_mask, image->green_mask, image->blue_mask};
            for (int y = 0; y < picture.height; ++y)
                for (int x = 0; x < picture.width; ++x) {
                    const unsigned long value = XGetPixel(image, x, y);
                    for (int channel = 0; channel < 3; ++channel)
                        picture.rgb.push_back(static_cast<std::uint8_t>((value & masks[channel]) >> shifts[channel]));
                }
            XDestroyImage(image);
        }
    }
    XCloseDisplay(display);
    return picture;
}
