// The generator: its exact sequence, the replay of its state, and the range of u().
#include "randomGenerator.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

// The state that makes the next rand() return value: a new state with value in bits 16..30,
// stepped back once through the generator's rule.
std::uint32_t stateBefore(int value)
{
    const std::uint32_t multiplier = 214013u;
    std::uint32_t inverse = multiplier;  // Newton's iteration for the inverse modulo 2^32
    for (int round = 0; round < 5; ++round) inverse *= 2u - multiplier * inverse;
    const std::uint32_t next = static_cast<std::uint32_t>(value) << 16;
    return (next - 2531011u) * inverse;
}

TEST(RandomGenerator, SeedOneGivesTheKnownSequence)
{
    generator::seed(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected) EXPECT_EQ(generator::rand(), value);
}

TEST(RandomGenerator, SameSeedSameSequenceAndStateReplays)
{
    generator::seed(1733500000u);
    const int first = generator::rand();
    const std::uint32_t saved = generator::state();
    const int second = generator::rand();
    const int third = generator::rand();

    generator::seed(1733500000u);
    EXPECT_EQ(generator::rand(), first);
    generator::setState(saved);
    EXPECT_EQ(generator::rand(), second);
    EXPECT_EQ(generator::rand(), third);
}

TEST(RandomGenerator, DrawsStayInRange)
{
    generator::seed(99);
    for (int draw = 0; draw < 100000; ++draw) {
        const int value = generator::rand();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, generator::randMax);
    }
}

TEST(RandomGenerator, UniformDrawCoversZeroToOneInclusive)
{
    generator::setState(stateBefore(0));
    EXPECT_EQ(u(), 0.0f);
    generator::setState(stateBefore(generator::randMax));
    const float top = u();
    EXPECT_LE(top, 1.0f);
    EXPECT_GT(top, 0.99999f);
    generator::setState(stateBefore(16384));
    EXPECT_NEAR(u(), 16384.0f / 32767.0f, 1e-7f);
}

TEST(RandomGenerator, UniformDrawIsOneCallOfRand)
{
    generator::seed(5);
    const int value = generator::rand();
    generator::seed(5);
    EXPECT_FLOAT_EQ(u(), static_cast<float>(value) * 3.0518509e-5f);
}

}  // namespace
