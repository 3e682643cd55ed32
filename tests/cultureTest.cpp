// Culture distance, the takeover's culture transfer, and mutation, with their draws.
#include "culture.h"
#include "generatorControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr int jumpBelow = 328;  // u() < 0.01 exactly when rand() < 328

Cell livingCell(float value)
{
    Cell cell;
    for (int f = 0; f < cellFieldCount; ++f) cell.field[f] = value;
    cell.field[populationField] = 0.5f;
    for (int f = 0; f < cellFieldCount; ++f) cell.next[f] = cell.field[f];
    return cell;
}

TEST(CultureDistance, ZeroWithItselfAndRootTenAcrossEveryField)
{
    const Cell a = livingCell(0.2f);
    EXPECT_EQ(cultureDistance(a, a), 0.0f);
    Cell b = a;
    for (int f = phenotypeField; f < cellFieldCount; ++f) b.field[f] += 1.0f;
    b.field[environmentField] = 0.9f;  // ground and population are not culture
    b.field[populationField] = 0.0f;
    EXPECT_FLOAT_EQ(cultureDistance(a, b), std::sqrt(10.0f));
    EXPECT_FLOAT_EQ(cultureDistance(b, a), std::sqrt(10.0f));
}

TEST(CopyCulture, TakeoverOfAnEmptyCellCopiesTheWholeCulture)
{
    Cell conqueror = livingCell(0.0f);
    for (int f = groupMembershipField; f < cellFieldCount; ++f) conqueror.field[f] = 0.05f * static_cast<float>(f);
    conqueror.group = Group{17, 3, 0.4f, 0.4f, colourMagenta};
    Cell empty;  // cleared: Population 0, colour 0, no group
    empty.field[environmentField] = 0.7f;
    for (int f = 0; f < cellFieldCount; ++f) empty.next[f] = empty.field[f];

    generator::seed(9);
    const std::uint32_t before = generator::state();
    copyCultureFrom(empty, conqueror, 1.0f);
    EXPECT_EQ(drawsBetween(before, generator::state()), 9) << "one draw per field 3..11";

    for (int f = groupMembershipField; f < cellFieldCount; ++f) EXPECT_EQ(empty.next[f], conqueror.field[f]) << cellFieldNames[f];
    EXPECT_EQ(empty.next[environmentField], 0.7f);
    EXPECT_EQ(empty.nextGroup.id, 17);
    EXPECT_EQ(empty.nextGroup.colour, colourMagenta);
    EXPECT_EQ(empty.group.id, -1) << "the current group changes at commit";
}

TEST(CopyCulture, ColourBlendBeyondOneOvershootsUnclamped)
{
    Cell source = livingCell(0.0f);
    source.field[cultureRedField] = 0.9f;
    source.field[cultureGreenField] = 0.1f;
    Cell target = livingCell(0.5f);
    copyCultureFrom(target, source, 1.5f);
    EXPECT_FLOAT_EQ(target.next[cultureRedField], 0.5f + 0.4f * 1.5f);  // 1.1
    EXPECT_FLOAT_EQ(target.next[cultureGreenField], 0.5f - 0.4f * 1.5f);  // -0.1
    EXPECT_EQ(target.nextGroup.id, -1) << "a conqueror without a group takes the target out of its group";
}

TEST(CopyCulture, BlendZeroKeepsTheTargetsCulture)
{
    generator::setState(stateBefore(1));  // no draw is 0, so u() <= 0 never holds
    Cell source = livingCell(0.9f);
    Cell target = livingCell(0.2f);
    copyCultureFrom(target, source, 0.0f);
    for (int f = groupMembershipField; f < cellFieldCount; ++f) EXPECT_EQ(target.next[f], 0.2f);
}

TEST(Mutate, NothingAndNoDrawWithoutLife)
{
    for (float population : {0.0f, -0.3f, std::nanf("")}) {
        Cell cell = livingCell(0.5f);
        cell.field[populationField] = population;
        const Cell unchanged = cell;
        generator::seed(4);
        const std::uint32_t before = generator::state();
        mutate(cell);
        EXPECT_EQ(generator::state(), before);
        for (int f = 0; f < cellFieldCount; ++f) EXPECT_EQ(cell.next[f], unchanged.next[f]);
    }
}

TEST(Mutate, DriftStaysWithinFivePercentAndTheUnitRange)
{
    generator::seed(21);
    for (int round = 0; round < 2000; ++round) {
        Cell cell = livingCell(round % 2 ? 0.99f : 0.02f);
        mutate(cell);
        for (int f = groupMembershipField; f < cellFieldCount; ++f) {
            ASSERT_GE(cell.next[f], 0.0f);
            ASSERT_LE(cell.next[f], 1.0f);
        }
        EXPECT_EQ(cell.next[environmentField], cell.field[environmentField]);
        EXPECT_EQ(cell.next[phenotypeField], cell.field[phenotypeField]);
    }
}

// A channel a jump set keeps drifting when its own field comes: the jump's value plus that drift.
float jumpedChannel(const std::vector<int>& draws, int valueDraw, int channel, int firstColourDrift)
{
    const float drift = uniformOf(draws[firstColourDrift + channel]) * 0.1f - 0.05f;
    return std::min(1.0f, std::max(0.0f, uniformOf(draws[valueDraw]) + drift));
}

// Without jumps before field 5, fields 3 and 4 take two draws each (jump test, drift), and field
// 5's jump test is the fifth draw; its jump takes three more, then fields 6..11 one drift each.
TEST(Mutate, JumpOfSpreadRateItselfDoesNotRaiseIt)
{
    const std::uint32_t state =
        findState(14, [](const std::vector<int>& d) { return d[0] >= jumpBelow && d[2] >= jumpBelow && d[4] < jumpBelow; });
    const std::vector<int> draws = peekDraws(state, 14);
    Cell cell = livingCell(0.5f);
    generator::setState(state);
    mutate(cell);
    EXPECT_EQ(cell.next[spreadRateField], uniformOf(draws[5]));
    const int channel = draws[7] % 3;
    EXPECT_FLOAT_EQ(cell.next[cultureRedField + channel], jumpedChannel(draws, 6, channel, 11));
}

TEST(Mutate, JumpsOfMembershipAndMetabolismRaiseSpreadRateClampedAtOne)
{
    // Field 3 jumps (draws 1-4), field 4 does not (5-6), field 5 does not and drifts down by more
    // than 0.02 (draws 7-8), then fields 6..11 drift (9-14).
    const std::uint32_t state = findState(14, [](const std::vector<int>& d) {
        return d[0] < jumpBelow && d[4] >= jumpBelow && d[6] >= jumpBelow && uniformOf(d[7]) < 0.25f;
    });
    const std::vector<int> draws = peekDraws(state, 14);
    const float drift = uniformOf(draws[7]) * 0.1f - 0.05f;

    Cell roomy = livingCell(0.5f);
    generator::setState(state);
    mutate(roomy);
    EXPECT_EQ(roomy.next[groupMembershipField], uniformOf(draws[1]));
    EXPECT_FLOAT_EQ(roomy.next[spreadRateField], 0.5f + 0.03f + drift);
    EXPECT_FLOAT_EQ(roomy.next[cultureRedField + draws[3] % 3], jumpedChannel(draws, 2, draws[3] % 3, 11));

    Cell full = livingCell(0.5f);
    full.next[spreadRateField] = 0.99f;
    generator::setState(state);
    mutate(full);
    EXPECT_FLOAT_EQ(full.next[spreadRateField], 1.0f + drift) << "the rise stops at 1 before the drift";

    // Field 4 jumps instead: draws 1-2 drift field 3, draws 3-6 are field 4's jump.
    const std::uint32_t metabolism = findState(10, [](const std::vector<int>& d) {
        return d[0] >= jumpBelow && d[2] < jumpBelow && d[6] >= jumpBelow && uniformOf(d[7]) < 0.25f;
    });
    const std::vector<int> later = peekDraws(metabolism, 8);
    Cell other = livingCell(0.5f);
    generator::setState(metabolism);
    mutate(other);
    EXPECT_EQ(other.next[metabolismField], uniformOf(later[3]));
    EXPECT_FLOAT_EQ(other.next[spreadRateField], 0.53f + (uniformOf(later[7]) * 0.1f - 0.05f));
}

}  // namespace
