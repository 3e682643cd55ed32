// Founding groups and keeping up membership.
#include "groups.h"

#include "clamp01.h"
#include "world.h"

#include <cmath>
#include <limits>

namespace {
constexpr float foundingDeviation = 0.4f;
constexpr float halfWidthFactor = 0.5f;
constexpr float membershipDecay = 0.7f;
}  // namespace

void foundGroup(World& world, Group& g, Cell& cell)
{
    g.id = world.nextGroupId;
    // Ids wrap to 0 after the largest int32 without passing through signed overflow.
    world.nextGroupId = world.nextGroupId == std::numeric_limits<int>::max() ? 0 : world.nextGroupId + 1;
    g.field = world.random.rand() % cellFieldCount;
    g.center = cell.field[g.field];
    g.deviation = foundingDeviation;
    cell.field[groupMembershipField] = 1.0f;
    const float red = world.random.u();
    const float green = world.random.u();
    const float blue = world.random.u();
    g.colour = Colour{red, green, blue};
}

float membership(const Group& g, const Cell& cell)
{
    if (g.field < 0 || g.field >= cellFieldCount) return 0.0f;
    float distance = std::fabs(g.center - cell.field[g.field]) / (g.deviation * halfWidthFactor);
    // A zero deviation gives infinity, or NaN for an exact match: both count as the full distance.
    if (!(distance < 1.0f)) distance = 1.0f;
    return clamp01(1.0f - distance);
}

void updateMembership(const Group& g, Cell& cell)
{
    cell.nextGroup = g;
    const float population = cell.field[populationField] > 0.0f ? cell.field[populationField] : 0.0f;
    cell.next[groupMembershipField] =
        membership(g, cell) * std::sqrt(population) * cell.field[groupMembershipField] * membershipDecay;
}
