// An OpenGL context without a display: Mesa's software renderer through EGL, drawing into an
// offscreen buffer the size of the world window.
#pragma once

#include <memory>
#include <string>

class OffscreenContext {
public:
    // Creates the context and makes it current; ready() tells whether that worked, and problem()
    // why not.
    OffscreenContext(int width, int height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool ready() const { return problemText.empty(); }
    const std::string& problem() const { return problemText; }
    int width() const { return pixelsWide; }
    int height() const { return pixelsHigh; }

    // A context is current in one thread at a time: makeCurrent takes it into the calling thread
    // (false when it is not ready or EGL refuses), release lets it go, so that another thread can.
    bool makeCurrent();
    void release();

private:
    struct handles;
    std::unique_ptr<handles> egl;
    int pixelsWide;
    int pixelsHigh;
    std::string problemText;
};
