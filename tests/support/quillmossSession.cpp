// Starting Quillmoss and driving its world window.
#include "quillmossSession.h"

#include <chrono>
#include <thread>

namespace {
constexpr int startTimeoutMs = 20000;
constexpr int settleMs = 600;
constexpr int bannerLineCount = 5;
}  // namespace

QuillmossSession::QuillmossSession() : quillmoss({QUILLMOSS_BINARY})
{
    for (int line = 0; line < bannerLineCount; ++line) {
        const auto text = quillmoss.readLine(startTimeoutMs);
        if (!text) return;
        bannerLines.push_back(*text);
    }
    const std::string window = waitForOutput("xdotool search --name '^Quillmoss$' 2>/dev/null | head -n 1", startTimeoutMs);
    if (window.empty()) return;
    // The window is moved and sized once the event loop runs.
    const std::string placed = waitForOutput("xdotool getwindowgeometry --shell " + window +
                                                 " | tr '\\n' ' ' | grep 'X=500 Y=32 WIDTH=740 HEIGHT=740'",
                                             startTimeoutMs);
    if (!placed.empty()) worldWindow = window;
    settle();
}

void QuillmossSession::settle() { std::this_thread::sleep_for(std::chrono::milliseconds(settleMs)); }

void QuillmossSession::key(const std::string& names, int times)
{
    // Keys go where the keyboard focus is, as they do for a person: to the world window.
    std::string command = "xdotool windowfocus --sync " + worldWindow;
    for (int time = 0; time < times; ++time) command += " key " + names;
    runCommand(command);
    settle();
}

void QuillmossSession::wheel(int steps)
{
    const int button = steps > 0 ? 4 : 5;
    for (int step = 0; step < std::abs(steps); ++step) {
        runCommand("xdotool mousemove --window " + worldWindow + " 370 370 click " + std::to_string(button));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));  // one step per frame at least
    }
    settle();
}

void QuillmossSession::drag(int button, int fromX, int fromY, int toX, int toY)
{
    const std::string target = " --window " + worldWindow + " ";
    const std::string moveTo = "mousemove" + target;
    runCommand("xdotool " + moveTo + std::to_string(fromX) + " " + std::to_string(fromY) + " mousedown " +
               std::to_string(button) + " sleep 0.1 " + moveTo + std::to_string((fromX + toX) / 2) + " " +
               std::to_string((fromY + toY) / 2) + " sleep 0.1 " + moveTo + std::to_string(toX) + " " + std::to_string(toY) +
               " sleep 0.1 mouseup " + std::to_string(button));
    settle();
}
