// Culture distance, culture transfer and mutation.
#include "culture.h"

#include "clamp01.h"

#include <cmath>

namespace {

constexpr int firstCultureField = phenotypeField;  // fields 2..11 make up a culture
constexpr int firstPassedField = groupMembershipField;  // fields 3..11 pass on and mutate
constexpr int colourFields = 3;
constexpr float jumpChance = 0.01f;
constexpr float driftWidth = 0.1f;
constexpr float driftCentre = 0.05f;
constexpr float spreadRiseAfterJump = 0.03f;

bool canJump(int f) { return f == groupMembershipField || f == metabolismField || f == spreadRateField; }

}  // namespace

float cultureDistance(const Cell& a, const Cell& b)
{
    float sum = 0.0f;
    for (int f = firstCultureField; f < cellFieldCount; ++f) {
        const float difference = a.field[f] - b.field[f];
        sum += difference * difference;
    }
    return std::sqrt(sum);
}

void copyCultureFrom(RandomGenerator& random, Cell& t, const Cell& c, float blend)
{
    for (int f = firstPassedField; f < cellFieldCount; ++f)
        if (random.u() <= blend) t.next[f] = c.field[f];
    // The colour blends instead; its three draws above are still made.
    for (int f = cultureRedField; f <= cultureBlueField; ++f) t.next[f] = t.field[f] + (c.field[f] - t.field[f]) * blend;
    t.nextGroup = c.group;
}

void mutate(RandomGenerator& random, Cell& cell)
{
    if (!(cell.field[populationField] > 0.0f)) return;
    for (int f = firstPassedField; f < cellFieldCount; ++f) {
        if (canJump(f) && random.u() < jumpChance) {
            // A jump: a new random value, and one random colour channel gets a new random value too.
            cell.next[f] = random.u();
            const float channelValue = random.u();
            cell.next[cultureRedField + random.rand() % colourFields] = channelValue;
            if (f != spreadRateField) cell.next[spreadRateField] = clamp01(cell.next[spreadRateField] + spreadRiseAfterJump);
            continue;
        }
        cell.next[f] = clamp01(cell.next[f] + random.u() * driftWidth - driftCentre);
    }
}
