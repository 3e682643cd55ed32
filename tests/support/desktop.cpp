// Child programs, shell commands and X11 captures for the tests that drive whole programs.
#include "desktop.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace {
constexpr int pollMs = 50;
constexpr int startAttempts = 3;
constexpr int startWaitMs = 10000;
int ignoreError(Display*, XErrorEvent*) { return 0; }  // a window that vanished gives an empty picture
}  // namespace

std::string shell(const std::string& command)
{
    std::string result;
    FILE* pipe = popen(command.c_str(), "r");
    char chunk[256];
    for (std::size_t got; pipe && (got = fread(chunk, 1, sizeof chunk, pipe)) > 0;) result.append(chunk, got);
    if (pipe) pclose(pipe);
    return result;
}

std::string waitFor(const std::string& command, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += pollMs) {
        std::string result = shell(command);
        while (!result.empty() && std::isspace(static_cast<unsigned char>(result.back()))) result.pop_back();
        if (!result.empty()) return result;
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
    return {};
}

Program::Program(const std::vector<std::string>& arguments, const std::string* copyright)
    : directory(shell("mktemp -d /tmp/quillmossRunXXXXXX | tr -d '\\n'"))
{
    if (copyright) std::ofstream(directory + "/copyright.txt", std::ios::binary) << *copyright;
    // Under load, libxcb now and then gives up on a connection the server has just accepted; the
    // program then ends at once, saying so. Such a start is made again.
    for (int attempt = 0; attempt < startAttempts; ++attempt) {
        spawn(arguments);
        for (int waited = 0; waited < startWaitMs && output().empty() && exitCode(0) == -1; waited += pollMs)
            std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
        if (exitCode(0) == -1 || file("stderr").find("failed to open display") == std::string::npos) break;
    }
}

void Program::spawn(const std::vector<std::string>& arguments)
{
    status = -1;
    const std::string inDirectory = "cd '" + directory + "' && exec \"$0\" \"$@\" >stdout 2>stderr";
    std::vector<char*> argv{const_cast<char*>("sh"), const_cast<char*>("-c"), const_cast<char*>(inDirectory.c_str())};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ) != 0) pid = -1;
}

Program::~Program()
{
    if (exitCode(0) == -1 && pid > 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::fputs(file("stderr").c_str(), stderr);
    shell("rm -rf '" + directory + "'");
}

std::string Program::file(const char* name) const
{
    std::ifstream file(directory + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

std::string Program::output() const { return file("stdout"); }

double Program::cpuSeconds() const
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string line(std::istreambuf_iterator<char>(stat), {});
    std::istringstream fields(line.substr(line.rfind(')') + 2));  // the name in parentheses may hold spaces
    std::string skipped;
    for (int field = 3; field < 14; ++field) fields >> skipped;  // from the state to cmajflt
    long user = 0, system = 0;
    fields >> user >> system;
    return static_cast<double>(user + system) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

int Program::exitCode(int timeoutMs)
{
    for (int waited = 0; status == -1 && pid > 0; waited += pollMs) {
        int wait = 0;
        if (waitpid(pid, &wait, WNOHANG) == pid) status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
        if (status != -1 || waited >= timeoutMs) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(pollMs));
    }
    return status;
}

// The part of a window off the screen (a window placed at -1, -1) is left black: X gives no image of it.
WindowPicture capture(const std::string& windowId)
{
    WindowPicture picture;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return picture;
    XSetErrorHandler(ignoreError);
    const Window window = std::strtoul(windowId.c_str(), nullptr, 0);
    XWindowAttributes attributes;
    int left = 0, top = 0;
    Window child = 0;
    const bool placed = window && XGetWindowAttributes(display, window, &attributes) &&
                        XTranslateCoordinates(display, window, attributes.root, 0, 0, &left, &top, &child);
    const int x0 = std::max(0, -left), y0 = std::max(0, -top);
    const int x1 = placed ? std::min(attributes.width, DisplayWidth(display, 0) - left) : 0;
    const int y1 = placed ? std::min(attributes.height, DisplayHeight(display, 0) - top) : 0;
    XImage* image = x1 > x0 && y1 > y0 ? XGetImage(display, window, x0, y0, x1 - x0, y1 - y0, AllPlanes, ZPixmap) : nullptr;
    if (image) {
        picture.width = attributes.width;
        picture.height = attributes.height;
        picture.rgb.assign(static_cast<std::size_t>(picture.width) * picture.height * 3, 0);
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const unsigned long value = XGetPixel(image, x - x0, y - y0);  // a 24-bit TrueColor screen
                std::uint8_t* pixel = &picture.rgb[(static_cast<std::size_t>(y) * picture.width + x) * 3];
                pixel[0] = std::uint8_t(value >> 16);
                pixel[1] = std::uint8_t(value >> 8);
                pixel[2] = std::uint8_t(value);
            }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return picture;
}

double litShare(const WindowPicture& picture, int x0, int x1, int y0, int y1)
{
    int lit = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) lit += picture.pixel(x, y)[0] || picture.pixel(x, y)[1] || picture.pixel(x, y)[2];
    return static_cast<double>(lit) / ((x1 - x0) * (y1 - y0));
}

bool askToClose(const std::string& windowId)
{
    const Window window = std::strtoul(windowId.c_str(), nullptr, 0);
    Display* display = window ? XOpenDisplay(nullptr) : nullptr;
    if (!display) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    const bool sent = XSendEvent(display, window, False, NoEventMask, &event) != 0;
    XCloseDisplay(display);
    return sent;
}
