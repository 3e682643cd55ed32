// Groups: founding one, how well a cell fits one, and the upkeep of a member's strength.
#pragma once

#include "cell.h"

struct World;

// Fills g (the cell's next group) with a new group centred on the cell: the world's next id (after the
// largest int32 the ids start again at 0), a random defining field, deviation 0.4, a random colour.
// Sets the cell's current Group Membership to 1.
void foundGroup(World& world, Group& g, Cell& cell);

// 1 at the group's centre, falling linearly to 0 at half the deviation away; 0 for a zero
// deviation and for a group whose defining field is not a cell field.
float membership(const Group& g, const Cell& cell);

// The cell keeps g as its next group, with next Group Membership = membership * sqrt(Population)
// * Group Membership * 0.7. A negative Population counts as 0.
void updateMembership(const Group& g, Cell& cell);
