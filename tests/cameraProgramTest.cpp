// The camera driven by the wheel, the keys and right drags on the running program's world window.
// The terrain is new on every start, so the checks look at where the plane can and cannot be:
// beyond its edge the window is black, over it most pixels are lit.
#include "quillmossSession.h"

#include <gtest/gtest.h>

namespace {

constexpr int full = 740;

class CameraInProgram : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session.ready()); }
    QuillmossSession session;
};

// At distance 50 the plane (with its relief of +-6) stays more than 33 pixels from the sides.
TEST_F(CameraInProgram, WheelAwayBringsThePlaneCloserUntilItFillsTheWindow)
{
    EXPECT_EQ(litShare(session.capture(), 0, 30, 0, full), 0.0);
    session.wheel(3);  // 16 % closer per step: from 50 to about 30
    EXPECT_GT(litShare(session.capture(), 0, 30, 0, full), 0.2);
}

TEST_F(CameraInProgram, PlusMovesTheCameraAway)
{
    EXPECT_GT(litShare(session.capture(), 60, 160, 200, 540), 0.2);
    session.key("plus", 30);  // from 50 to 80: the plane keeps 170 pixels from the sides
    EXPECT_EQ(litShare(session.capture(), 0, 160, 0, full), 0.0);
}

TEST_F(CameraInProgram, ARightDragPansThePlane)
{
    EXPECT_GT(litShare(session.capture(), 100, 250, 200, 540), 0.2);
    session.drag(3, 300, 370, 360, 370);  // 60 pixels: 30 world units at distance 50
    EXPECT_EQ(litShare(session.capture(), 0, 250, 0, full), 0.0) << "the left edge moved past 280";
    EXPECT_GT(litShare(session.capture(), 600, full, 200, 540), 0.2);
}

TEST_F(CameraInProgram, ArrowKeysTiltThePlane)
{
    EXPECT_GT(litShare(session.capture(), 200, 540, 560, 660), 0.2);
    session.key("Up", 9);  // pitch 45 degrees: the near edge rises out of the window, the far edge above row 540
    EXPECT_EQ(litShare(session.capture(), 0, full, 560, full), 0.0);
    EXPECT_GT(litShare(session.capture(), 200, 540, 0, 100), 0.2);
}

}  // namespace
