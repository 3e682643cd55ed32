// The keys of the whole program.
#include "programKeys.h"

#include "plotsWindow.h"
#include "windowSave.h"
#include "worldChanges.h"

#include <GL/glut.h>

namespace {
// A letter typed with Ctrl held comes as its place in the alphabet.
constexpr unsigned char ctrlS = 19;
constexpr unsigned char ctrlY = 25;
constexpr unsigned char ctrlZ = 26;
}  // namespace

bool handleProgramKey(unsigned char key, int modifiers)
{
    switch (key) {
    case '[': goBack(); return true;
    case ']':
        if (!goForward()) stepWorld();
        return true;
    case 'p': togglePlots(); return true;
    case ctrlZ: (modifiers & GLUT_ACTIVE_SHIFT) ? redoAction() : undoAction(); return true;
    case ctrlY: redoAction(); return true;
    case ctrlS: saveFromWindow(); return true;
    default: return false;
    }
}
