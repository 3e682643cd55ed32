// Writing pictures as PNG files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An RGBA picture, rows from the top.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    std::uint8_t* pixel(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// Writes the picture, fast rather than small when asked; false (with errno or libpng's message on
// standard error) when it cannot.
bool writePng(const Picture& picture, const std::string& path, bool fast = false);

// The bytes writePng writes (not fast); none when libpng cannot encode the picture.
std::vector<std::uint8_t> pngBytes(const Picture& picture);

// Reads a PNG file as RGBA; an empty picture (width 0) when it cannot.
Picture readPng(const std::string& path);
