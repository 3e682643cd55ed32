// What the user does to a world directly: seeding and killing life, touching cells, editing groups.
#pragma once

#include "cell.h"

#include <vector>

struct World;

// The Touch radio's tools; -1 means no tool (the button is not held).
enum TouchTool { paintWithOne = 0, paintWithZero = 1, paintNoise = 2, copyCulture = 3, selectCellTool = 4 };

// Seeds count random cells (a cell may be drawn twice): Population 0.1, a culture fitting its
// ground, random traits. Nothing on an empty world or for count <= 0.
void seedLife(World& world, int count);

// Empties every cell (Environment stays) and resets the step counter; the group counter stays.
void killAll(World& world);

// Empties the cells at these lattice indices as Kill All empties every cell (Environment stays);
// the step counter and the group counter stay. Indices outside the lattice are passed over.
void clearLife(World& world, const std::vector<int>& cellIndices);

// What a touch reads and writes of the view it comes from: the selected cell (-1 for none), which
// Select Cell sets and Copy Culture copies from, and the Outer render mode, whose cell field the
// paint tools write.
struct TouchView {
    int& selected;
    int paintedMode;
};

// Applies a Touch tool at a cell (-1: none under the mouse). radius is 0..1 of the full brush:
// on the plane the paint tools reach every cell closer than that, elsewhere only the touched cell.
// An index that names no cell, and a tool outside 0..4, do nothing.
void touch(World& world, const TouchView& view, int cellIndex, int tool, float radius);

// Field f (0..11) = value, not clamped, in every record whose group id is groupId, living or not.
// Nothing for groupId -1, for f outside 0..11 or for a value that is not finite.
void setGroupField(World& world, int groupId, int f, float value);

// Every living member of group g.id takes a copy of the whole record g; nothing for id -1.
void applyGroup(World& world, const Group& g);

// The selected cell's group when it is living and in one (true); otherwise out is the empty
// record {id -1, field -1, centre 0, deviation 0, black} (false).
bool getSelectedGroup(const World& world, int selected, Group& out);
