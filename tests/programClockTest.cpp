// The program clock on a controllable millisecond counter.
#include "programClock.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

std::uint32_t fakeMilliseconds = 0;
std::uint32_t readFake() { return fakeMilliseconds; }

// Starts the clock at counter value origin and sets the time to seconds after it.
class ProgramClock : public testing::Test {
protected:
    void SetUp() override { startAt(0); }
    void TearDown() override { setMillisecondSource(nullptr); }

    static void startAt(std::uint32_t origin)
    {
        setMillisecondSource(readFake);
        fakeMilliseconds = origin;
        startClock();
    }
    static void setTime(float seconds) { fakeMilliseconds = static_cast<std::uint32_t>(seconds * 1000.0f + 0.5f); }
};

TEST_F(ProgramClock, CountsSecondsFromTheFirstStart)
{
    startAt(1000);
    fakeMilliseconds = 3500;
    EXPECT_FLOAT_EQ(elapsedSeconds(), 2.5f);
    startClock();  // later starts change nothing
    EXPECT_FLOAT_EQ(elapsedSeconds(), 2.5f);
}

TEST_F(ProgramClock, MillisecondDifferenceWrapsAround)
{
    startAt(0xffffff00u);
    fakeMilliseconds = 0x00000100u;
    EXPECT_FLOAT_EQ(elapsedSeconds(), 0.512f);
}

TEST_F(ProgramClock, StandsStillWithoutACounter)
{
    setMillisecondSource(nullptr);
    startClock();
    EXPECT_EQ(elapsedSeconds(), 0.0f);
}

TEST_F(ProgramClock, RampRisesOverItsDuration)
{
    setTime(9.0f);
    EXPECT_EQ(rampSince(10.0f, 5.0f), 0.0f);
    setTime(10.0f);
    EXPECT_EQ(rampSince(10.0f, 5.0f), 0.0f);
    setTime(12.5f);
    EXPECT_FLOAT_EQ(rampSince(10.0f, 5.0f), 0.5f);
    setTime(15.0f);
    EXPECT_FLOAT_EQ(rampSince(10.0f, 5.0f), 1.0f);
    setTime(40.0f);
    EXPECT_EQ(rampSince(10.0f, 5.0f), 1.0f);
}

TEST_F(ProgramClock, RampOfZeroDurationJumps)
{
    setTime(3.0f);
    const float start = elapsedSeconds();
    EXPECT_EQ(rampSince(start, 0.0f), 0.0f);
    setTime(3.001f);
    EXPECT_EQ(rampSince(start, 0.0f), 1.0f);
}

TEST_F(ProgramClock, SawtoothRisesThroughEachPeriod)
{
    setTime(0.75f);
    EXPECT_FLOAT_EQ(clockSawtooth(0.0f, 1.5f), 0.5f);
    setTime(1.5f);
    EXPECT_NEAR(clockSawtooth(0.0f, 1.5f), 0.0f, 1e-6f);
    setTime(2.0f);
    EXPECT_FLOAT_EQ(clockSawtooth(1.0f, 2.0f), 0.5f);
    setTime(0.5f);
    EXPECT_FLOAT_EQ(clockSawtooth(1.0f, 2.0f), 0.75f);  // before the shift it continues backwards
}

TEST_F(ProgramClock, SawtoothStaysWithinZeroToOne)
{
    for (std::uint32_t milliseconds = 0; milliseconds < 400000; milliseconds += 7) {
        fakeMilliseconds = milliseconds;
        const float sawtooth = clockSawtooth(0.0f, 1.5f);
        const float shifted = clockSawtooth(0.3f, 1.0f);
        ASSERT_GE(sawtooth, 0.0f) << milliseconds;
        ASSERT_LT(sawtooth, 1.0f) << milliseconds;
        ASSERT_GE(shifted, 0.0f) << milliseconds;
        ASSERT_LT(shifted, 1.0f) << milliseconds;
    }
}

// Milliseconds times 0.001 in single precision is not exact (3000 ms reads 3.0000002 s), so the
// periodic functions hit their corners to within a few ulps.
TEST_F(ProgramClock, TriangleIsZeroAtWholeAndOneAtHalfSeconds)
{
    for (int second = 0; second < 5; ++second) {
        setTime(static_cast<float>(second));
        EXPECT_NEAR(clockTriangle(0.0f, 1.0f), 0.0f, 1e-5f) << "at " << second;
        setTime(static_cast<float>(second) + 0.5f);
        EXPECT_NEAR(clockTriangle(0.0f, 1.0f), 1.0f, 1e-5f) << "at " << second << ".5";
    }
    setTime(0.25f);
    EXPECT_FLOAT_EQ(clockTriangle(0.0f, 1.0f), 0.5f);
    setTime(0.75f);
    EXPECT_FLOAT_EQ(clockTriangle(0.0f, 1.0f), 0.5f);
}

}  // namespace
