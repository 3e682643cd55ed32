// Quillmoss started under the test's display and driven as a person drives it, with xdotool.
#pragma once

#include "childProcess.h"
#include "windowCapture.h"

#include <string>
#include <vector>

class QuillmossSession {
public:
    // Starts the program and waits until its world window stands at its place and size.
    QuillmossSession();

    bool ready() const { return !worldWindow.empty(); }
    ChildProcess& program() { return quillmoss; }
    const std::vector<std::string>& banner() const { return bannerLines; }

    // Presses keys on the world window (xdotool key names), each once, then lets frames pass.
    void key(const std::string& names, int times = 1);
    // Wheel steps over the world window: positive away from the user, negative toward.
    void wheel(int steps);
    // A drag with a mouse button (1 left, 3 right) from one window point to another.
    void drag(int button, int fromX, int fromY, int toX, int toY);
    // Waits for frames to show the last input.
    static void settle();
    WindowPicture capture() const { return captureWindow(worldWindow); }

    std::string worldWindow;

private:
    ChildProcess quillmoss;
    std::vector<std::string> bannerLines;
};
