// The whole program as a person uses it: the notice, the three windows, the buttons, the
// topology choice, selecting a cell with the mouse, and what it prints.
#include "quillmossSession.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

// Points of the Simulation window, from its packed layout.
using namespace simulationWindow;

// Culture colours rarely have equal red and green; the ground's ramp always has.
int culturePixels(const WindowPicture& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) count += picture.pixel(x, y)[0] != picture.pixel(x, y)[1];
    return count;
}

void pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

TEST(WholeProgram, TheNoticeComesFirstAndHoldsTheWorldStill)
{
    QuillmossSession session(false);
    ASSERT_EQ(session.noticeCaption(), "ORVAN") << "no copyright.txt: the built-in notice";
    const std::string world = QuillmossSession::windowNamed("Simulation");
    ASSERT_FALSE(world.empty()) << "the panels are built before the notice";
    std::string worldWindow;
    for (const std::string& candidate : {QuillmossSession::windowNamed("Quillmoss")})
        if (candidate != session.noticeWindow()) worldWindow = candidate;
    pause(300);
    const WindowPicture before = captureWindow(session.noticeWindow().empty() ? "" : worldWindow);
    pause(1500);  // fifteen steps at "Swallow", were the frame loop running
    const WindowPicture after = captureWindow(worldWindow);
    EXPECT_EQ(before.rgb, after.rgb) << "no step while the notice is shown";

    ASSERT_TRUE(session.dismissNotice());
    EXPECT_TRUE(session.noticeWindow().empty());
    const WindowPicture first = session.capture();
    pause(1000);
    EXPECT_NE(session.capture().rgb, first.rgb) << "the world advances once it is dismissed";
}

TEST(WholeProgram, ThreeWindowsStandReady)
{
    QuillmossSession session;
    ASSERT_TRUE(session.ready());
    const std::string render = QuillmossSession::windowNamed("Render");
    ASSERT_FALSE(render.empty());
    EXPECT_NE(QuillmossSession::geometryOf(render).find("X=0 Y=680"), std::string::npos) << QuillmossSession::geometryOf(render);

    const std::string simulation = QuillmossSession::windowNamed("Simulation");
    ASSERT_FALSE(simulation.empty());
    const WindowPicture panel = captureWindow(simulation);
    ASSERT_GT(panel.width, 400) << "three columns";
    // Every third of the window is drawn, down to its bottom: the panel grey, not black.
    for (int third = 0; third < 3; ++third) {
        int grey = 0;
        const int x0 = third * panel.width / 3;
        for (int y = panel.height / 2; y < panel.height; ++y)
            for (int x = x0; x < x0 + panel.width / 3; ++x) grey += panel.pixel(x, y)[0] == 200 && panel.pixel(x, y)[2] == 200;
        EXPECT_GT(grey, panel.width / 3 * panel.height / 4) << "column " << third;
    }
}

TEST(WholeProgram, KillAllEmptiesTheWorldAndSeedLifeBringsLifeBack)
{
    QuillmossSession session;
    ASSERT_TRUE(session.ready());
    const std::string simulation = QuillmossSession::windowNamed("Simulation");
    pause(1500);
    ASSERT_GT(culturePixels(session.capture()), 0) << "six cultures grow";

    session.click(simulation, killAllButton.x, killAllButton.y);
    EXPECT_EQ(culturePixels(session.capture()), 0) << "the Culture layer is gone";
    pause(500);
    EXPECT_EQ(culturePixels(session.capture()), 0) << "and nothing comes back by itself";

    session.click(simulation, seedLifeButton.x, seedLifeButton.y);
    pause(1500);
    EXPECT_GT(culturePixels(session.capture()), 0);
}

TEST(WholeProgram, ChoosingSphereRebuildsTheWorld)
{
    QuillmossSession session;
    ASSERT_TRUE(session.ready());
    EXPECT_GT(litShare(session.capture(), 80, 160, 80, 160), 0.2) << "the plane reaches the corners' region";
    session.click(QuillmossSession::windowNamed("Simulation"), sphereButton.x, sphereButton.y);
    const WindowPicture sphere = session.capture();
    EXPECT_EQ(litShare(sphere, 0, 160, 0, 160), 0.0) << "the sphere leaves the corners black";
    EXPECT_GT(litShare(sphere, 320, 420, 320, 420), 0.5) << "and fills the middle";
}

// The selected cell's outline pulses from white to red: (255, g, g) with g below 255 at most
// moments, a colour neither the ground's ramp (red equal to green) nor a dead world shows.
int outlinePixels(const WindowPicture& picture, int x0, int y0, int size)
{
    int count = 0;
    for (int y = y0; y < y0 + size; ++y)
        for (int x = x0; x < x0 + size; ++x) {
            const std::uint8_t* pixel = picture.pixel(x, y);
            count += pixel[0] == 255 && pixel[1] == pixel[2] && pixel[1] < 240;
        }
    return count;
}

TEST(WholeProgram, HoldingTheLeftButtonSelectsTheCellUnderIt)
{
    QuillmossSession session;
    ASSERT_TRUE(session.ready());
    const std::string simulation = QuillmossSession::windowNamed("Simulation");
    session.click(simulation, killAllButton.x, killAllButton.y);  // no cultures to confuse with the outline
    session.click(simulation, pausedButton.x, pausedButton.y);
    EXPECT_EQ(outlinePixels(session.capture(), 330, 330, 80), 0);
    session.hold(370, 370, 400);
    int outline = 0;
    for (int look = 0; look < 4 && outline == 0; ++look) {
        outline = outlinePixels(session.capture(), 330, 330, 80);
        pause(250);
    }
    EXPECT_GT(outline, 4) << "the selected cell's outline";
}

TEST(WholeProgram, PrintsTheBannerAndTheDriverReport)
{
    QuillmossSession session;
    const auto& lines = session.output();
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Quillmoss");
    EXPECT_EQ(lines[5], "OpenGL Driver - ");
    EXPECT_EQ(lines[6].rfind("Vendor: ", 0), 0u) << lines[6];
    EXPECT_EQ(lines[7].rfind("Renderer: ", 0), 0u) << lines[7];
    EXPECT_EQ(lines[8].rfind("Version: ", 0), 0u) << lines[8];
    EXPECT_EQ(lines[9].rfind("Supported Extensions: GL_", 0), 0u);
    EXPECT_FALSE(session.program().readLine(1000).has_value()) << "no window-system extension line";
}

class AboutNotice : public testing::Test {
protected:
    // The notice's height for its text: lines of 15 pixels, margins and the OK button.
    static int noticeHeight(int lines) { return lines * 15 + 3 * 14 + 24; }
    static int heightOf(const std::string& window)
    {
        const std::string geometry = QuillmossSession::geometryOf(window);
        const auto at = geometry.find("HEIGHT=");
        return at == std::string::npos ? -1 : std::atoi(geometry.c_str() + at + 7);
    }
};

TEST_F(AboutNotice, CopyrightTxtIsShownUnderQuillmoss)
{
    const std::string text = "Quillmoss notice\nline two\nline three\n";
    QuillmossSession session(false, &text);
    EXPECT_EQ(session.noticeCaption(), "Quillmoss");
    EXPECT_EQ(heightOf(session.noticeWindow()), noticeHeight(3));
    EXPECT_TRUE(session.dismissNotice());
}

TEST_F(AboutNotice, AnEmptyFileGivesAnEmptyNotice)
{
    const std::string empty;
    QuillmossSession session(false, &empty);
    EXPECT_EQ(session.noticeCaption(), "Quillmoss");
    EXPECT_EQ(heightOf(session.noticeWindow()), noticeHeight(0));
}

TEST_F(AboutNotice, WindowsLineEndsKeepTheirBreaks)
{
    const std::string text = "first line\r\nsecond line\r\n";
    QuillmossSession session(false, &text);
    EXPECT_EQ(heightOf(session.noticeWindow()), noticeHeight(2));
}

TEST_F(AboutNotice, ClickingOkDismissesIt)
{
    QuillmossSession session(false);
    const std::string notice = session.noticeWindow();
    ASSERT_FALSE(notice.empty());
    const std::string geometry = QuillmossSession::geometryOf(notice);
    const int width = std::atoi(geometry.c_str() + geometry.find("WIDTH=") + 6);
    const int height = heightOf(notice);
    session.click(notice, width / 2, height - 14 - 12);  // the middle of the OK button
    EXPECT_TRUE(session.noticeWindow().empty());
}

}  // namespace
