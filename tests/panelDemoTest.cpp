// panel-demo driven with real clicks, drags and keys: the toolkit as a person meets it.
#include "childProcess.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

namespace {

constexpr int startTimeoutMs = 20000;
constexpr int quietMs = 700;

// The demo's layout (its panel packs the same way every time): window-relative points.
struct point {
    int x, y;
};
constexpr point checkMe{20, 29};
constexpr point third{20, 77};
constexpr point pressMe{65, 97};
constexpr point floatKnob{208, 45};  // level 0.25: the knob's left edge 22 pixels into the track
constexpr point emptySpace{150, 120};

class PanelDemo : public testing::Test {
protected:
    void SetUp() override
    {
        for (int line = 0; line < 5; ++line) ASSERT_TRUE(demo.readLine(startTimeoutMs).has_value()) << "the initial values";
        window = waitForOutput("xdotool search --name '^Panel demo$' 2>/dev/null | head -n 1", startTimeoutMs);
        ASSERT_FALSE(window.empty());
        ASSERT_FALSE(waitForOutput("xdotool getwindowgeometry " + window + " | grep 339x129", startTimeoutMs).empty());
    }

    void xdotool(const std::string& actions) { runCommand("xdotool " + actions + " 2>/dev/null"); }
    std::string at(point p) const
    {
        return "mousemove --window " + window + " " + std::to_string(p.x) + " " + std::to_string(p.y);
    }
    void click(point p, int button = 1) { xdotool(at(p) + " click " + std::to_string(button)); }
    std::string next() { return demo.readLine(startTimeoutMs).value_or("(nothing)"); }
    bool silent() { return !demo.readLine(quietMs).has_value(); }

    ChildProcess demo{{PANEL_DEMO_BINARY}};
    std::string window;
};

TEST_F(PanelDemo, ClicksChangeTheBoundVariables)
{
    click(checkMe);
    EXPECT_EQ(next(), "callback 1");
    EXPECT_EQ(next(), "checkbox = 0");
    click(third);
    EXPECT_EQ(next(), "callback 2");
    EXPECT_EQ(next(), "radio = 2");
    click(pressMe);
    EXPECT_EQ(next(), "button 3 fired");
    EXPECT_EQ(next(), "button presses = 1");
}

TEST_F(PanelDemo, AKnobDraggedPastTheEndStopsAtOne)
{
    xdotool(at(floatKnob) + " mousedown 1 sleep 0.1 mousemove --window " + window + " 240 45 sleep 0.1 mousemove --window " +
            window + " 330 60 sleep 0.2 mouseup 1");
    std::string last;
    for (std::string line = next(); line != "(nothing)"; line = demo.readLine(quietMs).value_or("(nothing)"))
        if (line.rfind("float slider", 0) == 0) last = line;
    EXPECT_EQ(last, "float slider = 1");
}

TEST_F(PanelDemo, PressInsideReleaseOutsideChangesNothing)
{
    xdotool(at(checkMe) + " mousedown 1 sleep 0.1 " + at(emptySpace) + " sleep 0.1 mouseup 1");
    EXPECT_TRUE(silent());
}

TEST_F(PanelDemo, RightAndMiddleClicksAreIgnored)
{
    click(checkMe, 3);
    click(checkMe, 2);
    EXPECT_TRUE(silent());
}

TEST_F(PanelDemo, TabAndSpaceWorkTheControls)
{
    xdotool("windowfocus --sync " + window + " key Tab key space");
    EXPECT_EQ(next(), "callback 1");
    EXPECT_EQ(next(), "checkbox = 0");
    xdotool("windowfocus --sync " + window + " key Tab key Tab key Tab key space");
    EXPECT_EQ(next(), "callback 2");
    EXPECT_EQ(next(), "radio = 2");
}

TEST_F(PanelDemo, AResizedWindowSnapsBackToItsPackedSize)
{
    xdotool("windowsize " + window + " 600 400");
    EXPECT_FALSE(waitForOutput("xdotool getwindowgeometry " + window + " | grep 339x129", startTimeoutMs).empty());
    EXPECT_TRUE(demo.running());
}

}  // namespace
