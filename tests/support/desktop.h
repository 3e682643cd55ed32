// Programs started as a person starts them, and the desktop tools that drive and read their windows.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

// Runs a shell command; what it wrote to standard output.
std::string shell(const std::string& command);
// Runs the command until its output, trimmed, is not empty; "" when the time runs out.
std::string waitFor(const std::string& command, int timeoutMs = 30000);

// A program running in a fresh directory of its own (holding copyright.txt when given), its
// standard output and error going to files there; what it wrote to standard error is passed on when
// it ends. It is killed, and the directory removed, with the object.
class Program {
public:
    Program(const std::vector<std::string>& arguments, const std::string* copyright = nullptr);
    ~Program();
    std::string output() const;
    std::string errors() const { return file("stderr"); }
    // The exit code once the program ended by itself within the time; -1 otherwise.
    int exitCode(int timeoutMs);
    // The processor time it has used so far, user and system, in seconds.
    double cpuSeconds() const;
    const std::string directory;

private:
    void spawn(const std::vector<std::string>& arguments);
    std::string file(const char* name) const;
    pid_t pid = -1;
    int status = -1;
};

// A window's contents as the screen shows them; empty when the window cannot be read.
struct WindowPicture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;  // rows from the top
    const std::uint8_t* pixel(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
};
WindowPicture capture(const std::string& window);
// The share of lit (not black) pixels in [x0, x1) x [y0, y1).
double litShare(const WindowPicture& picture, int x0, int x1, int y0, int y1);
// Sends WM_DELETE_WINDOW, as a window manager does when a person clicks the close box.
bool askToClose(const std::string& window);
