// Arguments taken as Python's own functions take them: paths as open() does, whole numbers as
// range() does, truth values as True or False only.
#pragma once

#include <pybind11/pybind11.h>

#include <string>

// The file system's bytes of a path given as str, bytes or os.PathLike, as os.fsencode makes
// them; TypeError for anything else, ValueError for a NUL byte in it, as open() refuses them.
std::string pathOf(const pybind11::handle& path);
// A path's bytes as Python shows them, decoded as os.fsdecode does.
pybind11::str pathText(const std::string& path);
// Raises kind with a message, a path in it shown as Python shows paths.
[[noreturn]] void raiseWithPath(PyObject* kind, const std::string& message);

// A whole number as operator.index takes it (int, NumPy's integers, anything with __index__):
// TypeError naming the argument for anything else, ValueError when it is outside low..high.
long long wholeNumber(const pybind11::handle& value, const char* name, long long low, long long high);
// True or False, NumPy's among them; TypeError naming the argument for anything else (None too).
bool truthValue(const pybind11::handle& value, const char* name);
