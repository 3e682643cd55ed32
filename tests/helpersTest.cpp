// The shared helpers: clamping and colours.
#include "clamp01.h"
#include "colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Clamp01, LimitsToTheUnitInterval)
{
    EXPECT_EQ(clamp01(1.5f), 1.0f);
    EXPECT_EQ(clamp01(1.0f), 1.0f);
    EXPECT_EQ(clamp01(0.3f), 0.3f);
    EXPECT_EQ(clamp01(0.0f), 0.0f);
    EXPECT_EQ(clamp01(-0.2f), 0.0f);
    EXPECT_EQ(clamp01(std::numeric_limits<float>::infinity()), 1.0f);
    EXPECT_EQ(clamp01(-std::numeric_limits<float>::infinity()), 0.0f);
}

TEST(Clamp01, NaNBecomesZero) { EXPECT_EQ(clamp01(std::nanf("")), 0.0f); }

TEST(Colour, LerpIsNotClamped)
{
    EXPECT_EQ(lerpColour(colourWhite, colourRed, 0.5f), (Colour{1.0f, 0.5f, 0.5f}));
    EXPECT_EQ(lerpColour(noGroupColour, colourBlue, 2.0f), (Colour{0.0f, 0.0f, 2.0f}));
    EXPECT_EQ(lerpColour(colourYellow, colourMagenta, -1.0f), (Colour{1.0f, 2.0f, -1.0f}));
}

}  // namespace
