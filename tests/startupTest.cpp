// Quillmoss started as a person starts it: its banner, and its world window found by title.
#include "childProcess.h"
#include "windowCapture.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace {

constexpr int startTimeoutMs = 20000;

// The KEY=value lines xdotool prints with --shell.
std::map<std::string, std::string> shellValues(const std::string& text)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) values[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return values;
}

TEST(Startup, OpensTheWorldWindowAfterTheBanner)
{
    ChildProcess quillmoss({QUILLMOSS_BINARY});
    const auto firstLine = quillmoss.readLine(startTimeoutMs);
    ASSERT_TRUE(firstLine.has_value()) << "no banner on standard output";
    EXPECT_EQ(*firstLine, "Quillmoss");

    const std::string window = waitForOutput("xdotool search --name '^Quillmoss$' 2>/dev/null | head -n 1", startTimeoutMs);
    ASSERT_FALSE(window.empty()) << "no window titled Quillmoss";

    // The window is moved and sized once the event loop runs, so wait for the geometry to settle.
    const std::string settled = waitForOutput(
        "xdotool getwindowgeometry --shell " + window + " | grep -q '^WIDTH=740$' && xdotool getwindowgeometry --shell " + window,
        startTimeoutMs);
    const auto geometry = shellValues(settled.empty() ? runCommand("xdotool getwindowgeometry --shell " + window) : settled);
    EXPECT_EQ(geometry.at("WIDTH"), "740");
    EXPECT_EQ(geometry.at("HEIGHT"), "740");
    EXPECT_EQ(geometry.at("X"), "500");
    EXPECT_EQ(geometry.at("Y"), "32");
    EXPECT_TRUE(quillmoss.running());

    // The world window shows a black frame.
    const WindowPicture picture = captureWindow(window);
    ASSERT_EQ(picture.width, 740);
    ASSERT_EQ(picture.height, 740);
    int lit = 0;
    for (std::uint8_t component : picture.rgb) lit += component != 0;
    EXPECT_EQ(lit, 0) << "components that are not black";
}

}  // namespace
