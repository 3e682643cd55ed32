// Family links between cells, and the lineages they form.
#pragma once

#include "cell.h"

struct World;

// The cell's parent link is live: it names a cell whose culture is still the one it came from
// (the parent's birthStep equals the link's parentBirthStep).
bool hasLiveParent(const World& world, const Cell& cell);

// Labels every living cell with the id of its lineage: the cells connected to it through live
// parent-child links between lattice neighbours. Labels are 0, 1, 2, ... in iteration order of
// each lineage's first cell; cells without life get -1. Nothing on an empty world.
void computeLineages(World& world);
