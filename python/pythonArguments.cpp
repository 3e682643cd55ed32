// Converting paths, whole numbers and truth values the way Python's own functions do.
#include "pythonArguments.h"

namespace py = pybind11;

namespace {

std::string typeName(const py::handle& value) { return Py_TYPE(value.ptr())->tp_name; }

}  // namespace

std::string pathOf(const py::handle& path)
{
    const std::string bytes = py::module_::import("os").attr("fsencode")(path).cast<std::string>();
    if (bytes.find('\0') != std::string::npos)
        throw py::value_error("the path " + std::string(py::repr(path)) + " holds a NUL byte");
    return bytes;
}

py::str pathText(const std::string& path)
{
    return py::reinterpret_steal<py::str>(PyUnicode_DecodeFSDefaultAndSize(path.data(), static_cast<Py_ssize_t>(path.size())));
}

void raiseWithPath(PyObject* kind, const std::string& message)
{
    PyErr_SetObject(kind, pathText(message).ptr());
    throw py::error_already_set();
}

long long wholeNumber(const py::handle& value, const char* name, long long low, long long high)
{
    const auto number = py::reinterpret_steal<py::object>(PyNumber_Index(value.ptr()));
    if (!number) {
        PyErr_Clear();
        throw py::type_error(std::string(name) + " must be a whole number, not " + typeName(value));
    }
    int overflow = 0;
    const long long whole = PyLong_AsLongLongAndOverflow(number.ptr(), &overflow);
    if (overflow != 0 || whole < low || whole > high)
        throw py::value_error(std::string(name) + " must be " + std::to_string(low) + ".." + std::to_string(high) + ", not " +
                              std::string(py::str(number)));
    return whole;
}

bool truthValue(const py::handle& value, const char* name)
{
    if (!PyBool_Check(value.ptr()) && !py::isinstance(value, py::module_::import("numpy").attr("bool_")))
        throw py::type_error(std::string(name) + " must be True or False, not " + std::string(py::repr(value)));
    return PyObject_IsTrue(value.ptr()) == 1;
}
