// The cell record, the group record every member carries a copy of, and the lineage work frame.
#pragma once

#include "cellField.h"
#include "colour.h"
#include "lattice.h"

#include <cstdint>

// A group a cell belongs to. There is no group table: every member holds its own copy.
struct Group {
    std::int32_t id = -1;  // -1 = no group
    std::int32_t field = 0;  // the CellField that defines the group
    float center = 0.0f;
    float deviation = 0.0f;
    Colour colour = noGroupColour;
};

struct Cell {
    // A new cell: no group, no parent, no lineage, every number 0.
    Cell();

    // Empties the cell of life: fields 1..11 = 0, no group, no parent. Environment stays.
    void clear();

    float field[cellFieldCount];  // current values, indexed by CellField
    float next[cellFieldCount];  // next-step values, committed after the last cell of a step
    Group group;
    Group nextGroup;
    std::int32_t overtaken;  // another culture spread in during the current step (0 or 1)
    std::int32_t parentBirthStep;  // the parent's birthStep when the link was made
    std::int32_t birthStep;  // stepCount when the culture now here was seeded or spread in
    std::int32_t parent;  // index of the parent cell, -1 = none
    std::int32_t lineage;  // lineage label of the last lineage pass, -1 = none
};

// One entry of the lineage pass's work stack.
struct LineageFrame {
    std::int32_t cell;
    latticeCursor cursor;
    std::int32_t nextDir;  // next neighbour direction to try, 0..8
};
