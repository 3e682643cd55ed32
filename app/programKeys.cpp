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

void handleProgramKey(unsigned char key, int modifiers)
{
    switch (key) {
    case '[': goBack(); break;
    case ']':
        if (!goForward()) stepWorld();
        break;
    case 'p': togglePlots(); break;
    case ctrlZ: (modifiers & GLUT_ACTIVE_SHIFT) ? redoAction() : undoAction(); break;
    case ctrlY: redoAction(); break;
    case ctrlS: saveFromWindow(); break;
    default: break;
    }
}
