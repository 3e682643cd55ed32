// Starting Quillmoss and driving its windows.
#include "quillmossSession.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int settleMs = 600;
constexpr int pollMs = 50;
constexpr int startupLines = 10;  // the banner (5) and the driver report (5)
const char* const worldGeometry = "X=500 Y=32 WIDTH=740 HEIGHT=740";

std::string freshDirectory(const std::string* copyrightText)
{
    char pattern[] = "/tmp/quillmossRunXXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return {};
    if (copyrightText) std::ofstream(std::string(made) + "/copyright.txt", std::ios::binary) << *copyrightText;
    return made;
}

}  // namespace

QuillmossSession::QuillmossSession(bool dismiss, const std::string* copyrightText)
    : directory(freshDirectory(copyrightText)), quillmoss({QUILLMOSS_BINARY}, directory)
{
    for (int line = 0; line < startupLines; ++line) {
        const auto text = quillmoss.readLine(startTimeoutMs);
        if (!text) return;
        lines.push_back(*text);
    }
    // The notice comes last in start-up, after the panels.
    for (int waited = 0; waited < startTimeoutMs && noticeWindow().empty(); waited += pollMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    if (dismiss) dismissNotice();
}

QuillmossSession::~QuillmossSession()
{
    quillmoss.stop();
    if (!directory.empty()) runCommand("rm -rf '" + directory + "'");
}

std::string QuillmossSession::windowNamed(const std::string& title)
{
    return waitForOutput("xdotool search --name '^" + title + "$' 2>/dev/null | head -n 1", 1);
}

std::string QuillmossSession::geometryOf(const std::string& window)
{
    return runCommand("xdotool getwindowgeometry --shell " + window +
                      " 2>/dev/null | grep -v -e WINDOW -e SCREEN | tr '\\n' ' '");
}

std::string QuillmossSession::noticeWindow() const
{
    // Captioned ORVAN; or, when copyright.txt is read, Quillmoss like the world window, which
    // was created first and so has the smaller id.
    const std::string orvan = windowNamed("ORVAN");
    if (!orvan.empty()) return orvan;
    const std::string named = runCommand("xdotool search --name '^Quillmoss$' 2>/dev/null | sort -n");
    std::vector<std::string> windows;
    std::size_t start = 0;
    while (start < named.size()) {
        const std::size_t end = named.find('\n', start);
        windows.push_back(named.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return windows.size() >= 2 ? windows.back() : std::string();
}

std::string QuillmossSession::noticeCaption() const
{
    const std::string window = noticeWindow();
    if (window.empty()) return {};
    std::string name = runCommand("xdotool getwindowname " + window + " 2>/dev/null");
    while (!name.empty() && (name.back() == '\n' || name.back() == '\r')) name.pop_back();
    return name;
}

bool QuillmossSession::dismissNotice()
{
    const std::string notice = noticeWindow();
    if (notice.empty()) return false;
    runCommand("xdotool windowfocus --sync " + notice + " key Return 2>/dev/null");
    return waitForWorldWindow();
}

bool QuillmossSession::waitForWorldWindow()
{
    const std::string found = waitForOutput(
        "for w in $(xdotool search --name '^Quillmoss$' 2>/dev/null); do "
        "xdotool getwindowgeometry --shell $w | tr '\\n' ' ' | grep -q '" +
            std::string(worldGeometry) + "' && echo $w; done | head -n 1",
        startTimeoutMs);
    if (found.empty()) return false;
    worldWindow = found;
    settle();
    return true;
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
    const std::string moveTo = "mousemove --window " + worldWindow + " ";
    runCommand("xdotool " + moveTo + std::to_string(fromX) + " " + std::to_string(fromY) + " mousedown " +
               std::to_string(button) + " sleep 0.1 " + moveTo + std::to_string((fromX + toX) / 2) + " " +
               std::to_string((fromY + toY) / 2) + " sleep 0.1 " + moveTo + std::to_string(toX) + " " + std::to_string(toY) +
               " sleep 0.1 mouseup " + std::to_string(button));
    settle();
}

void QuillmossSession::click(const std::string& window, int x, int y)
{
    runCommand("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) + " click 1");
    settle();
}

void QuillmossSession::hold(int x, int y, int milliseconds)
{
    runCommand("xdotool mousemove --window " + worldWindow + " " + std::to_string(x) + " " + std::to_string(y) +
               " mousedown 1 sleep " + std::to_string(milliseconds / 1000.0) + " mouseup 1");
    settle();
}
