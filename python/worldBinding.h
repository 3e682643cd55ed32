// The quillmoss.World class and the names it takes.
#pragma once

#include <pybind11/pybind11.h>

// Adds World, WorldFileError and the name tuples (FIELDS, TOPOLOGIES, RENDER_MODES, TOUCH_TOOLS) to the module.
void bindWorld(pybind11::module_& module);
