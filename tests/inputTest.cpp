// The camera moved by keys, drags and the wheel, and the touch state of the left button.
#include "camera.h"
#include "glTestContext.h"
#include "input.h"
#include "platformWheel.h"
#include "programClock.h"
#include "settings.h"
#include "world.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

class Input : public testing::Test {
protected:
    void SetUp() override
    {
        useTestWindow(740, 740);  // the motion callbacks need a current window
        resetView();
        touchHeld = false;
        topologyChoice = planeTopology;
        setMillisecondSource(readFake);
        fakeMilliseconds = 0;
        startClock();
    }
    void TearDown() override
    {
        resetView();
        touchHeld = false;
        topologyChoice = planeTopology;
        setMillisecondSource(nullptr);
    }

    static void rightDrag(int fromX, int fromY, int toX, int toY, int modifiers = 0)
    {
        handleMouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, fromX, fromY, modifiers);
        onDrag(toX, toY);
        handleMouseButton(GLUT_RIGHT_BUTTON, GLUT_UP, toX, toY, modifiers);
    }
};

TEST_F(Input, ArrowKeysTurnInFiveDegreeSteps)
{
    onSpecialKey(GLUT_KEY_LEFT, 0, 0);
    EXPECT_EQ(cameraYaw, 355.0f);
    cameraYaw = 358.0f;
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(cameraYaw, 3.0f);
    cameraYaw = 355.0f;
    onSpecialKey(GLUT_KEY_RIGHT, 0, 0);
    EXPECT_EQ(cameraYaw, 360.0f) << "exactly 360 stays";

    cameraPitch = 88.0f;
    onSpecialKey(GLUT_KEY_UP, 0, 0);
    EXPECT_EQ(cameraPitch, 90.0f);
    cameraPitch = -88.0f;
    onSpecialKey(GLUT_KEY_DOWN, 0, 0);
    EXPECT_EQ(cameraPitch, -90.0f);
    onSpecialKey(GLUT_KEY_PAGE_UP, 0, 0);
    EXPECT_EQ(cameraPitch, -90.0f);
    EXPECT_EQ(cameraYaw, 360.0f);
}

TEST_F(Input, PlusAndMinusZoomWithinTwentyToAThousand)
{
    cameraDistance = 20.5f;
    onKeyboard('-', 0, 0);
    EXPECT_EQ(cameraDistance, 20.0f);
    onKeyboard('-', 0, 0);
    EXPECT_EQ(cameraDistance, 20.0f);
    cameraDistance = 999.5f;
    onKeyboard('+', 0, 0);
    EXPECT_EQ(cameraDistance, 1000.0f);
    cameraDistance = 50.0f;
    onKeyboard('=', 0, 0);
    EXPECT_EQ(cameraDistance, 51.0f) << "'=' is '+' without Shift";
    onKeyboard('a', 0, 0);
    onKeyboard(0x80 | '+', 0, 0);
    EXPECT_EQ(cameraDistance, 51.0f);
}

TEST_F(Input, TheWheelReadsOncePerFrameAndIsNotAButton)
{
    openWheelMouse();
    EXPECT_TRUE(takeWheelButton(3, GLUT_DOWN));
    EXPECT_EQ(readWheel(), 0) << "the first reading is always 0";
    EXPECT_EQ(readWheel(), 0);
    for (int step = 0; step < 3; ++step) takeWheelButton(3, GLUT_DOWN);
    takeWheelButton(3, GLUT_UP);
    EXPECT_EQ(readWheel(), 1) << "only the sign counts";
    EXPECT_EQ(readWheel(), 0);
    takeWheelButton(4, GLUT_DOWN);
    EXPECT_EQ(readWheel(), -1);
    EXPECT_FALSE(takeWheelButton(GLUT_LEFT_BUTTON, GLUT_DOWN));

    touchHeld = true;
    onMouseButton(3, GLUT_DOWN, 10, 10);  // a wheel step while the left button is held
    EXPECT_TRUE(touchHeld) << "the wheel does not end a touch";
    EXPECT_EQ(readWheel(), 1);
}

TEST_F(Input, TheLeftButtonHoldsATouchUntilAnotherButtonEvent)
{
    fakeMilliseconds = 4000;
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 120, 0);
    EXPECT_TRUE(touchHeld);
    EXPECT_FLOAT_EQ(touchStartTime, 4.0f);
    EXPECT_EQ(mouseX, 100);
    EXPECT_EQ(mouseY, 120);

    fakeMilliseconds = 6000;
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 101, 121, 0);
    EXPECT_FLOAT_EQ(touchStartTime, 4.0f) << "a second press keeps the first time";

    handleMouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 101, 121, 0);
    EXPECT_FALSE(touchHeld) << "a right press ends the touch";
    EXPECT_EQ(dragLastX, 101);

    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5, 0);
    handleMouseButton(GLUT_MIDDLE_BUTTON, GLUT_UP, 5, 5, 0);
    EXPECT_FALSE(touchHeld);
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 5, 5, 0);
    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 5, 5, 0);
    EXPECT_FALSE(touchHeld);
}

TEST_F(Input, RightDragsPanRollOrTurn)
{
    rightDrag(100, 100, 110, 100);
    EXPECT_FLOAT_EQ(cameraPanX, 5.0f) << "a hundredth of the distance per pixel";
    EXPECT_NEAR(cameraPanY, 0.0f, 1e-6f);
    EXPECT_EQ(mouseX, 110);

    resetView();
    rightDrag(100, 100, 103, 96, GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(cameraRoll, 3.0f);
    EXPECT_EQ(cameraPitch, -4.0f);

    resetView();
    cameraPitch = 88.0f;
    rightDrag(0, 0, 0, 7, GLUT_ACTIVE_SHIFT);
    EXPECT_EQ(cameraPitch, 95.0f) << "drags clamp nothing";
}

TEST_F(Input, OnTheSphereEveryDragTurns)
{
    topologyChoice = sphereTopology;
    for (int modifiers : {0, int{GLUT_ACTIVE_SHIFT}}) {
        resetView();
        rightDrag(50, 50, 62, 41, modifiers);
        EXPECT_EQ(cameraYaw, 12.0f);
        EXPECT_EQ(cameraPitch, -9.0f);
        EXPECT_EQ(cameraRoll, 0.0f);
        EXPECT_EQ(cameraPanX, 0.0f);
    }
}

TEST_F(Input, ThePanFollowsTheRoll)
{
    cameraRoll = 90.0f;  // a quarter turn, taken as 6.28 / 4 radians
    rightDrag(100, 100, 110, 100);
    const float angle = 90.0f * 0.0027777778f * 6.28f;
    EXPECT_NEAR(cameraPanX, 5.0f * std::cos(angle), 1e-5f);
    EXPECT_NEAR(cameraPanY, -5.0f * std::sin(angle), 1e-5f);
    EXPECT_NEAR(cameraPanY, -5.0f, 1e-4f);
}

TEST_F(Input, MotionFollowsTheMouse)
{
    onMousePosition(321, 123);
    EXPECT_EQ(mouseX, 321);
    EXPECT_EQ(mouseY, 123);
}

}  // namespace
