// A cell record as it is made and as clear leaves it.
#include "cell.h"

#include <gtest/gtest.h>

namespace {

TEST(Cell, NewCellHoldsNoLifeNoGroupNoLinks)
{
    const Cell cell;
    for (int f = 0; f < cellFieldCount; ++f) {
        EXPECT_EQ(cell.field[f], 0.0f);
        EXPECT_EQ(cell.next[f], 0.0f);
    }
    EXPECT_EQ(cell.group.id, -1);
    EXPECT_EQ(cell.group.colour, noGroupColour);
    EXPECT_EQ(cell.nextGroup.id, -1);
    EXPECT_EQ(cell.nextGroup.colour, noGroupColour);
    EXPECT_EQ(cell.overtaken, 0);
    EXPECT_EQ(cell.parent, -1);
    EXPECT_EQ(cell.parentBirthStep, 0);
    EXPECT_EQ(cell.birthStep, 0);
    EXPECT_EQ(cell.lineage, -1);
}

TEST(Cell, ClearEmptiesLifeButKeepsGroundAndHistory)
{
    Cell cell;
    for (int f = 0; f < cellFieldCount; ++f) {
        cell.field[f] = 0.5f;
        cell.next[f] = 0.25f;
    }
    cell.group = Group{12, 4, 0.3f, 0.4f, colourYellow};
    cell.nextGroup = Group{13, 5, 0.6f, 0.4f, colourMagenta};
    cell.parent = 17;
    cell.parentBirthStep = 3;
    cell.birthStep = 9;
    cell.lineage = 2;

    cell.clear();

    EXPECT_EQ(cell.field[environmentField], 0.5f);
    for (int f = populationField; f < cellFieldCount; ++f) EXPECT_EQ(cell.field[f], 0.0f) << cellFieldNames[f];
    EXPECT_EQ(cell.group.id, -1);
    EXPECT_EQ(cell.group.colour, noGroupColour);
    EXPECT_EQ(cell.group.field, 4);  // the rest of the record is left as it was
    EXPECT_EQ(cell.parent, -1);
    EXPECT_EQ(cell.next[populationField], 0.25f);
    EXPECT_EQ(cell.nextGroup.id, 13);
    EXPECT_EQ(cell.parentBirthStep, 3);
    EXPECT_EQ(cell.birthStep, 9);
    EXPECT_EQ(cell.lineage, 2);
}

}  // namespace
