// Quillmoss started under the test's display and driven as a person drives it, with xdotool.
#pragma once

#include "childProcess.h"
#include "windowCapture.h"

#include <string>
#include <vector>

// Points of the Simulation window's controls, from its packed layout.
namespace simulationWindow {
struct point {
    int x, y;
};
constexpr point planeButton{38, 87};
constexpr point discButton{38, 103};
constexpr point sphereButton{38, 119};
constexpr point killAllButton{65, 271};
constexpr point seedLifeButton{65, 294};
constexpr point pausedButton{20, 405};
}  // namespace simulationWindow

// A program run in a fresh working directory of its own, which the session removes again.
class QuillmossSession {
public:
    // Starts the program in a new empty directory, with copyright.txt holding the given text
    // when it is not empty. Unless asked to leave it, dismisses the about notice with Enter and
    // waits until the world window stands at its place and size.
    explicit QuillmossSession(bool dismissNotice = true, const std::string* copyrightText = nullptr);
    ~QuillmossSession();
    QuillmossSession(const QuillmossSession&) = delete;
    QuillmossSession& operator=(const QuillmossSession&) = delete;

    bool ready() const { return !worldWindow.empty(); }
    ChildProcess& program() { return quillmoss; }
    // The lines of standard output read so far: the banner and the driver report.
    const std::vector<std::string>& output() const { return lines; }

    // The about notice's window ("" when none is shown), and its caption.
    std::string noticeWindow() const;
    std::string noticeCaption() const;
    // Presses Enter on the notice and waits for the world window; true when it came.
    bool dismissNotice();

    // Presses keys on the world window (xdotool key names), each once, then lets frames pass.
    void key(const std::string& names, int times = 1);
    // Wheel steps over the world window: positive away from the user, negative toward.
    void wheel(int steps);
    // A drag with a mouse button (1 left, 3 right) from one window point to another.
    void drag(int button, int fromX, int fromY, int toX, int toY);
    // A left click at a point of a window.
    void click(const std::string& window, int x, int y);
    // Holds the left button on a point of the world window for a while.
    void hold(int x, int y, int milliseconds);
    // Waits for frames to show the last input.
    static void settle();
    WindowPicture capture() const { return captureWindow(worldWindow); }

    // The id of the window with exactly this title ("" when none).
    static std::string windowNamed(const std::string& title);
    // The window's geometry as "X=.. Y=.. WIDTH=.. HEIGHT=..".
    static std::string geometryOf(const std::string& window);

    std::string worldWindow;
    std::string directory;

private:
    bool waitForWorldWindow();

    ChildProcess quillmoss;
    std::vector<std::string> lines;
};
