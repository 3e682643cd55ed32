// Text drawn from a texture: the printable characters of a GLUT bitmap font rendered once into a
// texture of the current window, then any number of strings drawn as quads in one go. A string of
// glBitmap characters costs a draw of its own; a window of many numbers redrawn after every step
// cannot pay that.
#pragma once

#include <string>
#include <vector>

class TextAtlas {
public:
    // Renders the font's characters in the current window (whose back buffer it uses and clears)
    // into a texture of its GL context. The window must be at least this large.
    static constexpr int smallestWidth = 256;
    static constexpr int smallestHeight = 96;

    explicit TextAtlas(void* font);
    TextAtlas(const TextAtlas&) = delete;
    TextAtlas& operator=(const TextAtlas&) = delete;
    ~TextAtlas();

    // Queues a string with its baseline's left end at (x, y), in the projection's units (pixels, y down).
    void add(int x, int y, const std::string& text);
    // Draws every string queued, in the current colour, and forgets them.
    void draw();
    // The width of a string in pixels.
    int width(const std::string& text) const;

private:
    void* font;
    unsigned texture = 0;
    std::vector<float> corners;  // x, y per corner
    std::vector<float> places;  // s, t per corner
};
