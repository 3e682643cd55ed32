// Reading cells into NumPy arrays and writing a field from one.
#include "cellArrays.h"

#include "clamp01.h"

#include <pybind11/stl.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

namespace py = pybind11;

namespace {

constexpr int positionAxes = 3;

// One value per row, in walk order.
template <typename Value, typename Take>
py::array_t<Value> perRow(const World& world, Take take)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    py::array_t<Value> array(static_cast<py::ssize_t>(walk.size()));
    auto out = array.template mutable_unchecked<1>();
    for (std::size_t row = 0; row < walk.size(); ++row) out(static_cast<py::ssize_t>(row)) = take(walk[row]);
    return array;
}

// columns values per row, in walk order; fill(index, out) writes a row's.
template <typename Value, typename Fill>
py::array_t<Value> rowsOf(const World& world, py::ssize_t columns, Fill fill)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    py::array_t<Value> array({static_cast<py::ssize_t>(walk.size()), columns});
    Value* out = array.mutable_data();
    for (std::size_t row = 0; row < walk.size(); ++row) fill(walk[row], out + row * static_cast<std::size_t>(columns));
    return array;
}

std::string snakeCase(const char* name)
{
    std::string snake;
    for (const char* letter = name; *letter; ++letter)
        snake += *letter == ' ' ? '_' : static_cast<char>(std::tolower(static_cast<unsigned char>(*letter)));
    return snake;
}

// The array of a Python object as NumPy makes it, when its numbers are of a kind in kinds.
py::array numbersOf(const py::object& object, const char* kinds, const char* what)
{
    const py::array array = py::module_::import("numpy").attr("asarray")(object);
    const char kind = array.dtype().kind();
    if (!std::strchr(kinds, kind))
        throw py::type_error(std::string(what) + " must be numbers, not " + std::string(py::str(array.dtype())));
    return array;
}

std::string notARow(const World& world, const std::string& row)
{
    return "cell " + row + " is not a row of the " + std::to_string(world.currentLattice->walkOrder().size()) + " cells";
}

// A boolean mask over the rows: one value per cell, True for the cells chosen.
std::vector<int> indicesOfMask(const World& world, const py::array& mask)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    if (mask.ndim() != 1 || static_cast<std::size_t>(mask.size()) != walk.size())
        throw py::value_error("a mask of cells must hold one value for each of the " + std::to_string(walk.size()) +
                              " cells, not an array of shape " + std::string(py::str(mask.attr("shape"))));
    // Read in place through NumPy's buffer: a list of a million Python bools would cost more than the
    // change the mask selects for.
    const auto chosen = py::array_t<bool, py::array::c_style | py::array::forcecast>::ensure(mask);
    const bool* flags = chosen.data();
    std::vector<int> indices;
    for (std::size_t row = 0; row < walk.size(); ++row)
        if (flags[row]) indices.push_back(walk[row]);
    return indices;
}

}  // namespace

const std::vector<std::string>& pythonFieldNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> snake;
        for (const char* name : cellFieldNames) snake.push_back(snakeCase(name));
        return snake;
    }();
    return names;
}

int fieldNamed(const std::string& name)
{
    const std::vector<std::string>& names = pythonFieldNames();
    const auto found = std::find(names.begin(), names.end(), name);
    if (found != names.end()) return static_cast<int>(found - names.begin());
    std::string known;
    for (const std::string& each : names) known += (known.empty() ? "" : ", ") + each;
    throw py::value_error("no field is called '" + name + "'; the fields are " + known);
}

py::array_t<float> fieldArray(const World& world)
{
    return rowsOf<float>(world, cellFieldCount,
                         [&](int index, float* out) { std::copy_n(world.cells[index].field, cellFieldCount, out); });
}

py::array_t<float> fieldColumn(const World& world, int field)
{
    return perRow<float>(world, [&](int index) { return world.cells[index].field[field]; });
}

py::array_t<std::int32_t> groupArray(const World& world)
{
    return perRow<std::int32_t>(world, [&](int index) { return world.cells[index].group.id; });
}

py::array_t<std::int32_t> parentRows(const World& world)
{
    return perRow<std::int32_t>(world, [&](int index) { return rowOfIndex(world, world.cells[index].parent); });
}

py::array_t<std::int32_t> lineageArray(const World& world)
{
    return perRow<std::int32_t>(world, [&](int index) { return world.cells[index].lineage; });
}

py::array_t<float> positionArray(const World& world)
{
    return rowsOf<float>(world, positionAxes, [&](int index, float* out) {
        latticeCursor cursor;
        world.currentLattice->locate(index, cursor);
        world.currentLattice->cellPosition(cursor, index, out, 0.0f);
    });
}

py::array_t<std::int32_t> neighbourRows(const World& world)
{
    const std::vector<std::int32_t>& table = world.currentLattice->neighbourTable();
    return rowsOf<std::int32_t>(world, neighbourDirections, [&](int index, std::int32_t* out) {
        for (int direction = 0; direction < neighbourDirections; ++direction)
            out[direction] = rowOfIndex(world, table[static_cast<std::size_t>(index) * neighbourDirections + direction]);
    });
}

py::array_t<std::int32_t> latticeIndices(const World& world)
{
    return perRow<std::int32_t>(world, [](int index) { return index; });
}

py::array_t<std::int32_t> latticeCursors(const World& world)
{
    constexpr int cursorAxes = 2;
    return rowsOf<std::int32_t>(world, cursorAxes, [&](int index, std::int32_t* out) {
        latticeCursor cursor;
        world.currentLattice->locate(index, cursor);
        out[0] = cursor.i;
        out[1] = cursor.j;
    });
}

std::vector<int> indicesOfRows(const World& world, const py::object& cells)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    if (cells.is_none()) return {walk.begin(), walk.end()};
    const py::array rows = py::module_::import("numpy").attr("asarray")(cells);
    if (rows.dtype().kind() == 'b') return indicesOfMask(world, rows);
    if (rows.size() == 0) return {};  // an empty list is an array of float64, and no less a list of rows
    if (!std::strchr("iu", rows.dtype().kind()))
        throw py::type_error("cells must be whole row numbers, not " + std::string(py::str(rows.dtype())));
    if (rows.ndim() > 1) throw py::value_error("cells must be one row number or a list of them");
    std::vector<int> indices;
    for (const py::handle row : rows.attr("ravel")().attr("tolist")()) {
        int overflow = 0;
        const long long number = PyLong_AsLongLongAndOverflow(row.ptr(), &overflow);
        if (overflow != 0) throw py::index_error(notARow(world, py::str(row)));
        indices.push_back(indexOfRow(world, number));
    }
    return indices;
}

int indexOfRow(const World& world, long long row)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    if (row < 0 || row >= static_cast<long long>(walk.size())) throw py::index_error(notARow(world, std::to_string(row)));
    return walk[static_cast<std::size_t>(row)];
}

int rowOfIndex(const World& world, int index)
{
    const std::vector<std::int32_t>& walk = world.currentLattice->walkOrder();
    const auto found = std::lower_bound(walk.begin(), walk.end(), index);
    return found != walk.end() && *found == index ? static_cast<int>(found - walk.begin()) : -1;
}

FieldWrite fieldWrite(const World& world, const py::object& values, const py::object& cells)
{
    FieldWrite write{indicesOfRows(world, cells), {}};
    const py::array numbers = numbersOf(values, "biuf", "values");
    if (numbers.ndim() > 1)
        throw py::value_error("values must be one number or a list of numbers, not an array of " +
                              std::to_string(numbers.ndim()) + " dimensions");
    write.values = numbers.attr("astype")("float64").attr("ravel")().attr("tolist")().cast<std::vector<double>>();
    if (numbers.ndim() == 0) write.values.resize(write.indices.size(), write.values.front());
    if (write.values.size() != write.indices.size())
        throw py::value_error(std::to_string(write.values.size()) + " values for " + std::to_string(write.indices.size()) +
                              " cells");
    if (std::any_of(write.values.begin(), write.values.end(), [](double value) { return std::isnan(value); }))
        throw py::value_error("values must not be NaN");
    return write;
}

void writeField(World& world, int field, const FieldWrite& write)
{
    for (std::size_t at = 0; at < write.indices.size(); ++at)
        world.cells[write.indices[at]].field[field] = clamp01(static_cast<float>(write.values[at]));
}
