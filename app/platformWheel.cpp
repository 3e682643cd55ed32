// The wheel: freeglut's wheel events accumulated between frames.
#include "platformWheel.h"

#include <GL/freeglut.h>

namespace {

constexpr int wheelAwayButton = 3;
constexpr int wheelTowardButton = 4;

bool wheelOpen = false;
bool firstReading = true;
int wheelMovement = 0;

void accumulateWheel(int direction)
{
    if (wheelOpen) wheelMovement += direction > 0 ? 1 : (direction < 0 ? -1 : 0);
}

void onWheel(int, int direction, int, int) { accumulateWheel(direction); }

}  // namespace

void openWheelMouse()
{
    glutMouseWheelFunc(onWheel);
    wheelOpen = true;
    firstReading = true;
    wheelMovement = 0;
}

bool takeWheelButton(int button, int state)
{
    if (button != wheelAwayButton && button != wheelTowardButton) return false;
    if (state == GLUT_DOWN) accumulateWheel(button == wheelAwayButton ? 1 : -1);
    return true;
}

int readWheel()
{
    if (!wheelOpen) return 0;
    const int movement = wheelMovement;
    wheelMovement = 0;
    if (firstReading) {
        firstReading = false;
        return 0;
    }
    return movement > 0 ? 1 : (movement < 0 ? -1 : 0);
}
