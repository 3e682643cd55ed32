// Founding groups, membership, and the upkeep of a member's strength.
#include "generatorControl.h"
#include "groups.h"
#include "world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

class Groups : public testing::Test {
protected:
    void SetUp() override { world = World{}; }
    void TearDown() override { world = World{}; }
};

TEST_F(Groups, FoundingCentresANewGroupOnTheCell)
{
    Cell cell;
    for (int f = 0; f < cellFieldCount; ++f) cell.field[f] = 0.05f * static_cast<float>(f + 1);
    world.nextGroupId = 41;
    generator::seed(12);
    const std::vector<int> draws = peekDraws(generator::state(), 4);
    const Cell before = cell;

    foundGroup(cell.nextGroup, cell);

    EXPECT_EQ(cell.nextGroup.id, 41);
    EXPECT_EQ(world.nextGroupId, 42);
    EXPECT_EQ(cell.nextGroup.field, draws[0] % 12);
    EXPECT_EQ(cell.nextGroup.center, before.field[cell.nextGroup.field]);
    EXPECT_EQ(cell.nextGroup.deviation, 0.4f);
    EXPECT_EQ(cell.field[groupMembershipField], 1.0f) << "the current strength, at once";
    EXPECT_EQ(cell.nextGroup.colour, (Colour{uniformOf(draws[1]), uniformOf(draws[2]), uniformOf(draws[3])}));
}

TEST_F(Groups, IdsWrapToZeroAfterTheLargestInt)
{
    Cell cell;
    world.nextGroupId = std::numeric_limits<int>::max();
    foundGroup(cell.nextGroup, cell);
    EXPECT_EQ(cell.nextGroup.id, std::numeric_limits<int>::max());
    EXPECT_EQ(world.nextGroupId, 0);
    foundGroup(cell.nextGroup, cell);
    EXPECT_EQ(cell.nextGroup.id, 0);
    EXPECT_EQ(world.nextGroupId, 1);
}

TEST_F(Groups, MembershipFallsLinearlyToHalfTheDeviation)
{
    const Group group{3, technologyField, 0.5f, 0.4f, colourRed};
    Cell cell;
    const std::pair<float, float> expected[] = {{0.5f, 1.0f}, {0.6f, 0.5f},  {0.4f, 0.5f},
                                                {0.7f, 0.0f}, {0.95f, 0.0f}, {0.25f, 0.0f}};
    for (const auto& [value, fit] : expected) {
        cell.field[technologyField] = value;
        EXPECT_NEAR(membership(group, cell), fit, 1e-6f) << "at " << value;
    }
}

TEST_F(Groups, ZeroDeviationAndForeignFieldsFitNothing)
{
    Cell cell;
    cell.field[metabolismField] = 0.3f;
    EXPECT_EQ(membership(Group{1, metabolismField, 0.3f, 0.0f, colourRed}, cell), 0.0f) << "exact match, 0/0";
    EXPECT_EQ(membership(Group{1, metabolismField, 0.2f, 0.0f, colourRed}, cell), 0.0f);
    EXPECT_EQ(membership(Group{1, -1, 0.3f, 0.4f, colourRed}, cell), 0.0f);
    EXPECT_EQ(membership(Group{1, 12, 0.3f, 0.4f, colourRed}, cell), 0.0f);
}

TEST_F(Groups, UpkeepDecaysTheStrength)
{
    const Group group{5, phenotypeField, 0.5f, 0.4f, colourGreen};
    Cell cell;
    cell.field[phenotypeField] = 0.55f;  // membership 0.75
    cell.field[populationField] = 0.25f;  // square root 0.5
    cell.field[groupMembershipField] = 0.8f;
    updateMembership(group, cell);
    EXPECT_EQ(cell.nextGroup.id, 5);
    EXPECT_NEAR(cell.next[groupMembershipField], 0.75f * 0.5f * 0.8f * 0.7f, 1e-6f);
    EXPECT_EQ(cell.field[groupMembershipField], 0.8f) << "current values stay";
}

TEST_F(Groups, NegativePopulationCountsAsNone)
{
    const Group group{5, phenotypeField, 0.5f, 0.4f, colourGreen};
    Cell cell;
    cell.field[phenotypeField] = 0.5f;
    cell.field[populationField] = -0.2f;  // a takeover can leave this
    cell.field[groupMembershipField] = 1.0f;
    updateMembership(group, cell);
    EXPECT_EQ(cell.next[groupMembershipField], 0.0f);
    EXPECT_FALSE(std::isnan(cell.next[groupMembershipField]));
    EXPECT_EQ(cell.nextGroup.id, 5) << "a strength of 0 does not end the membership";
}

}  // namespace
