// Turning the user's mouse and keys into camera moves and the touch state.
#include "input.h"

#include "platformWheel.h"
#include "programClock.h"
#include "programKeys.h"
#include "settings.h"
#include "shellState.h"
#include "worldChanges.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr float keyTurn = 5.0f;  // degrees per arrow key
constexpr float pitchLimit = 90.0f;
constexpr float panPerPixel = 0.02f * 0.5f;  // of the camera distance
constexpr float fullTurn = 6.28f;
constexpr float degreesToTurns = 0.0027777778f;

}  // namespace

int mouseX = 0;
int mouseY = 0;
int dragLastX = 0;
int dragLastY = 0;
int mouseModifiers = 0;
bool touchHeld = false;
float touchStartTime = 0.0f;
bool pressPending = false;
int pressX = 0;
int pressY = 0;

void onMousePosition(int x, int y)
{
    mouseX = x;
    mouseY = y;
}

void handleMouseButton(int button, int state, int x, int y, int modifiers)
{
    mouseX = x;
    mouseY = y;
    mouseModifiers = modifiers;
    if (button == GLUT_LEFT_BUTTON && state == GLUT_DOWN) {
        // A press and its release can come between two frames: the press acts all the same.
        pressPending = true;
        pressX = x;
        pressY = y;
        // A second press report while held keeps the first time, so the touch keeps growing.
        if (!touchHeld) {
            touchHeld = true;
            touchStartTime = elapsedSeconds();
        }
        glutMotionFunc(onMousePosition);
        return;
    }
    touchHeld = false;
    // A stroke of a tool that changes the world is one action, from press to release.
    endAction(&strokeSource);
    if (button == GLUT_RIGHT_BUTTON && state == GLUT_DOWN) {
        dragLastX = x;
        dragLastY = y;
        glutMotionFunc(onDrag);
    } else {
        glutMotionFunc(onMousePosition);
    }
}

void onMouseButton(int button, int state, int x, int y)
{
    if (takeWheelButton(button, state)) return;
    handleMouseButton(button, state, x, y, glutGetModifiers());
}

void onDrag(int x, int y)
{
    const float dx = static_cast<float>(x - dragLastX);
    const float dy = static_cast<float>(y - dragLastY);
    if (topologyChoice == sphereTopology) {
        // The sphere always turns under the mouse, whatever Shift does.
        view.camera.yaw += dx;
        view.camera.pitch += dy;
    } else if (mouseModifiers & GLUT_ACTIVE_SHIFT) {
        view.camera.roll += dx;
        view.camera.pitch += dy;
    } else {
        // The pan is turned by the roll, so the world follows the mouse on screen.
        const float scale = view.camera.distance * panPerPixel;
        const float fx = scale * dx;
        const float fy = scale * dy;
        const float roll = view.camera.roll * degreesToTurns * fullTurn;
        const float length = std::hypot(fx, fy);
        const float angle = std::atan2(fy, fx) + roll;
        view.camera.panX += length * std::cos(angle);
        view.camera.panY -= length * std::sin(angle);
    }
    dragLastX = mouseX = x;
    dragLastY = mouseY = y;
}

void onSpecialKey(int key, int, int)
{
    switch (key) {
    case GLUT_KEY_LEFT:
        view.camera.yaw -= keyTurn;
        while (view.camera.yaw < 0.0f) view.camera.yaw += 360.0f;
        break;
    case GLUT_KEY_RIGHT:
        view.camera.yaw += keyTurn;
        while (view.camera.yaw > 360.0f) view.camera.yaw -= 360.0f;  // exactly 360 stays
        break;
    case GLUT_KEY_UP:
        view.camera.pitch += keyTurn;
        if (view.camera.pitch > pitchLimit) view.camera.pitch = pitchLimit;
        break;
    case GLUT_KEY_DOWN:
        view.camera.pitch -= keyTurn;
        if (view.camera.pitch < -pitchLimit) view.camera.pitch = -pitchLimit;
        break;
    default: break;
    }
}

void onKeyboard(unsigned char key, int, int) { handleKey(key, glutGetModifiers()); }

void handleKey(unsigned char key, int modifiers)
{
    switch (key) {
    case '+':
    case '=':
        view.camera.distance += 1.0f;
        view.camera.distance = std::min(view.camera.distance, farthestDistance(view.camera));
        break;
    case '-':
        view.camera.distance -= 1.0f;
        if (view.camera.distance < nearestCameraDistance) view.camera.distance = nearestCameraDistance;
        break;
    default: handleProgramKey(key, modifiers); break;
    }
}
