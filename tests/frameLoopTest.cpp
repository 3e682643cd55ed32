// The frame loop on a controllable clock: pacing, the rule feed, the topology choice and the zoom.
#include "camera.h"
#include "frameLoop.h"
#include "glTestContext.h"
#include "input.h"
#include "platformWheel.h"
#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "simulationStep.h"
#include "world.h"
#include "worldSettings.h"

#include <GL/glut.h>
#include <gtest/gtest.h>

namespace {

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

class FrameLoop : public testing::Test {
protected:
    void SetUp() override
    {
        useTestWindow(740, 740);
        mainWindow = glutGetWindow();
        setMillisecondSource(readFake);
        fakeMilliseconds = 0;
        startClock();
        world = World{};
        topologyChoice = planeTopology;
        initWorld(planeTopology);
        resetView();
        openWheelMouse();
        readWheel();  // the first reading
    }
    void TearDown() override
    {
        world = World{};
        speed = 3;
        topologyChoice = planeTopology;
        pollutionOn = humanRulesOn = 0;
        setMillisecondSource(nullptr);
        resetView();
        touchHeld = false;
    }

    static void at(float seconds) { fakeMilliseconds = static_cast<std::uint32_t>(seconds * 1000.0f + 0.5f); }
};

TEST_F(FrameLoop, PausedNeverStepsButEverythingElseWorks)
{
    speed = 0;
    at(100.0f);
    idle();
    idle();
    EXPECT_EQ(getStepCount(), 0);

    takeWheelButton(3, GLUT_DOWN);
    idle();
    EXPECT_FLOAT_EQ(cameraDistance, 50.0f * (1.0f - 0.16f)) << "the wheel zooms 16 % closer";

    handleMouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 370, 370, 0);
    idle();
    EXPECT_TRUE(touchHeld);

    cameraYaw = 30.0f;
    topologyChoice = discTopology;
    idle();
    EXPECT_EQ(world.topology, discTopology) << "rebuilt on the next frame";
    EXPECT_EQ(cameraYaw, 0.0f) << "and the view reset";
    EXPECT_EQ(cameraDistance, 50.0f);
    EXPECT_EQ(getStepCount(), 0);

    const Cell* cells = world.cells.get();
    cameraYaw = 30.0f;
    idle();
    EXPECT_EQ(world.cells.get(), cells) << "the same choice again does nothing";
    EXPECT_EQ(cameraYaw, 30.0f);
}

TEST_F(FrameLoop, TheWheelHasNoBounds)
{
    for (int frame = 0; frame < 20; ++frame) {
        takeWheelButton(3, GLUT_DOWN);
        idle();
    }
    EXPECT_LT(cameraDistance, 20.0f);
    onKeyboard('-', 0, 0);
    EXPECT_EQ(cameraDistance, 20.0f) << "the next key press clamps it";
    for (int frame = 0; frame < 30; ++frame) {
        takeWheelButton(4, GLUT_DOWN);
        idle();
    }
    EXPECT_GT(cameraDistance, 1000.0f);
}

TEST_F(FrameLoop, TurtleToCheetahStepsOnTheNextFrame)
{
    speed = 1;
    at(10.0f);
    simulationStep();  // a step at 10 s
    const int steps = getStepCount();
    at(12.0f);
    idle();
    EXPECT_EQ(getStepCount(), steps) << "Turtle waits 3 s";
    speed = 4;
    idle();
    EXPECT_EQ(getStepCount(), steps + 1);
    EXPECT_FLOAT_EQ(world.lastStepTime, 12.0f);
}

TEST_F(FrameLoop, AtMostOneStepPerFrame)
{
    speed = 4;
    world.lastStepTime = 0.0f;
    at(100.0f);
    idle();
    EXPECT_EQ(getStepCount(), 1) << "no catching up";
    idle();
    EXPECT_EQ(getStepCount(), 1);
    for (int frame = 1; frame <= 10; ++frame) {
        at(100.0f + 0.1f * static_cast<float>(frame));
        idle();
        EXPECT_EQ(getStepCount(), 1 + frame) << "slow frames: one step each";
    }
}

TEST_F(FrameLoop, SwallowStepsEveryTenthOfASecond)
{
    speed = 3;
    at(0.0f);
    world.lastStepTime = 0.0f;
    idle();
    EXPECT_EQ(getStepCount(), 0);
    at(0.1f);
    idle();
    EXPECT_EQ(getStepCount(), 1);
    at(0.15f);
    idle();
    EXPECT_EQ(getStepCount(), 1);
}

TEST_F(FrameLoop, EveryFrameFeedsTheRuleSlots)
{
    pollutionOn = 1;
    humanRulesOn = 1;
    world.rules[7] = 0.3f;
    speed = 0;
    idle();
    const float expected[] = {1, 1, 1, 1, 1, 1, 0, 0.3f};
    for (int slot = 0; slot < 8; ++slot) EXPECT_EQ(world.rules[slot], expected[slot]) << "slot " << slot;
}

TEST_F(FrameLoop, AFailedTopologyIsTriedAgainEveryFrame)
{
    topologyChoice = 7;
    idle();
    EXPECT_EQ(world.cells, nullptr);
    topologyChoice = planeTopology;
    idle();
    EXPECT_EQ(world.topology, planeTopology);
    EXPECT_NE(world.cells, nullptr);
}

}  // namespace
