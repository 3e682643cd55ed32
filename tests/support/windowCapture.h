// Reading back what a window shows on the X server, as a person would see it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // width * height * 3 bytes, rows from the top

    const std::uint8_t* pixel(int x, int y) const { return &rgb[(static_cast<size_t>(y) * width + x) * 3]; }
};

// The window's contents from the server; empty when the window cannot be read.
WindowPicture captureWindow(const std::string& windowId);

// The share of lit (not black) pixels in the rectangle [x0, x1) x [y0, y1), y down.
double litShare(const WindowPicture& picture, int x0, int x1, int y0, int y1);
