// The _quillmoss extension module behind the quillmoss package.
#include "worldBinding.h"

PYBIND11_MODULE(_quillmoss, module)
{
    module.doc() = "Quillmoss's engine: worlds as objects, their cells as NumPy arrays.";
    bindWorld(module);
}
