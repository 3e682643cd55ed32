// The shared helpers: clamping, colours and the name tables.
#include "cellField.h"
#include "clamp01.h"
#include "colour.h"
#include "renderMode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

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

TEST(Clamp01, NaNBecomesZero)
{
    EXPECT_EQ(clamp01(std::nanf("")), 0.0f);
}

TEST(Colour, LerpIsNotClamped)
{
    EXPECT_EQ(lerpColour(colourWhite, colourRed, 0.5f), (Colour{1.0f, 0.5f, 0.5f}));
    EXPECT_EQ(lerpColour(noGroupColour, colourBlue, 2.0f), (Colour{0.0f, 0.0f, 2.0f}));
    EXPECT_EQ(lerpColour(colourYellow, colourMagenta, -1.0f), (Colour{1.0f, 2.0f, -1.0f}));
}

TEST(NameTables, CellFieldsAndRenderModes)
{
    const std::string fields[] = {"Environment", "Population",  "Phenotype",   "Group Membership",
                                  "Metabolism",  "Spread Rate", "Terraform",   "Assimilate",
                                  "Technology",  "Culture Red", "Culture Green", "Culture Blue"};
    for (int f = 0; f < cellFieldCount; ++f) EXPECT_EQ(cellFieldNames[f], fields[f]);

    const std::string modes[] = {"Environment", "Phenotype",  "Fitness Map", "Population", "Culture",
                                 "Metabolism",  "Spread",     "Terraform",   "Assimilation", "Technology",
                                 "Groups",      "Group Strength", "Geneology", "None"};
    for (int m = 0; m < renderModeCount; ++m) EXPECT_EQ(renderModeNames[m], modes[m]);
}

TEST(NameTables, RenderModeFieldMapsModesToTheirFields)
{
    const int expected[] = {0, 2, -1, 1, -1, 4, 5, 6, 7, 8, -1, -1, 3, -1};
    for (int m = 0; m < renderModeCount; ++m) EXPECT_EQ(renderModeField[m], expected[m]) << "mode " << m;
    EXPECT_EQ(renderModeField[geneologyMode], groupMembershipField);
    EXPECT_EQ(renderModeField[groupStrengthMode], -1);
}

}  // namespace
