// Switching the current GLUT window and draw buffer for a while, and back.
#pragma once

// Remembers the current GLUT window, optionally makes another current, and makes the remembered
// one current again when it goes (when there was one).
class CurrentWindowGuard {
public:
    CurrentWindowGuard();
    explicit CurrentWindowGuard(int windowId);
    ~CurrentWindowGuard();
    CurrentWindowGuard(const CurrentWindowGuard&) = delete;
    CurrentWindowGuard& operator=(const CurrentWindowGuard&) = delete;

private:
    int remembered;
};

// Selects the front buffer of the current window for immediate repaints, and restores the
// draw buffer that was selected.
class FrontBufferGuard {
public:
    FrontBufferGuard();
    ~FrontBufferGuard();
    FrontBufferGuard(const FrontBufferGuard&) = delete;
    FrontBufferGuard& operator=(const FrontBufferGuard&) = delete;

private:
    int remembered;
};
