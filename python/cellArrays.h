// A world's cells as NumPy arrays: one row per real cell (holes left out), in the lattice's walk
// order, and the writing of a field from an array.
#pragma once

#include "world.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <string>
#include <vector>

// The cell fields' names in Python: "environment" ... "culture_blue", indexed by CellField.
const std::vector<std::string>& pythonFieldNames();
// The CellField of a Python name; ValueError naming the known ones for any other.
int fieldNamed(const std::string& name);

// (cells, 12) float32: every field of every cell.
pybind11::array_t<float> fieldArray(const World& world);
// (cells,) float32: one field of every cell.
pybind11::array_t<float> fieldColumn(const World& world, int field);
// (cells,) int32: the group id, -1 for none.
pybind11::array_t<std::int32_t> groupArray(const World& world);
// (cells,) int32: the row of the cell's parent, -1 for none.
pybind11::array_t<std::int32_t> parentRows(const World& world);
// (cells,) int32: the lineage label of the last lineage pass, -1 for none.
pybind11::array_t<std::int32_t> lineageArray(const World& world);
// (cells, 3) float32: each cell's centre as the window places it, without relief.
pybind11::array_t<float> positionArray(const World& world);
// (cells, 8) int32: the row of the neighbour in each of the lattice's eight directions, -1 for none.
pybind11::array_t<std::int32_t> neighbourRows(const World& world);
// (cells,) int32: the lattice index of each row.
pybind11::array_t<std::int32_t> latticeIndices(const World& world);
// The lattice's cursor of each row, (cells, 2): i and j as the lattice counts them.
pybind11::array_t<std::int32_t> latticeCursors(const World& world);

// The lattice indices of rows given as set_field takes them (every cell for None, none for an
// empty list, the True ones of a boolean mask over the rows): TypeError for rows that are not whole
// numbers, ValueError for an array of rows of more than one dimension or a mask not one value per
// cell, IndexError for a row that is no cell's.
std::vector<int> indicesOfRows(const World& world, const pybind11::object& cells);
// The lattice index of a row; IndexError for a row that is no cell's.
int indexOfRow(const World& world, long long row);
// The row of a lattice index, -1 for a hole or an index outside the lattice.
int rowOfIndex(const World& world, int index);

// Values for some cells, checked whole before anything is written: the lattice indices of the
// rows (every cell for None), and one number for each, a single number standing for all.
struct FieldWrite {
    std::vector<int> indices;
    std::vector<double> values;
};
// TypeError for values or rows that are not numbers (rows: whole numbers), ValueError for a wrong
// shape or a NaN, IndexError for a row that is no cell's.
FieldWrite fieldWrite(const World& world, const pybind11::object& values, const pybind11::object& cells);
// Stores the values clamped to 0..1 into the field, as the panel's sliders do.
void writeField(World& world, int field, const FieldWrite& write);
