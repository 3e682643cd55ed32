// The camera's values and the transform they make.
#include "camera.h"

#include <GL/glu.h>

#include <algorithm>

namespace {
constexpr double fieldOfView = 90.0;
constexpr double nearPlane = 1.0;
constexpr double farPlane = 1000.0;
}  // namespace

float cameraDistance = initialCameraDistance;
float cameraPitch = 0.0f;
float cameraYaw = 0.0f;
float cameraRoll = 0.0f;
float cameraPanX = 0.0f;
float cameraPanY = 0.0f;

void resetView()
{
    cameraDistance = initialCameraDistance;
    cameraPitch = 0.0f;
    cameraYaw = 0.0f;
    cameraRoll = 0.0f;
    cameraPanX = 0.0f;
    cameraPanY = 0.0f;
}

double projectionAspect(int width, int height) { return static_cast<double>(std::max(width, 1)) / std::max(height, 1); }

void multiplyProjection()
{
    // The viewport is the window's size in a window (GLUT keeps it so) and the buffer's offscreen.
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluPerspective(fieldOfView, projectionAspect(viewport[2], viewport[3]), nearPlane, farPlane);
}

void loadCamera()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -cameraDistance);
    glRotatef(cameraPitch, 1.0f, 0.0f, 0.0f);
    glRotatef(cameraYaw, 0.0f, 1.0f, 0.0f);
    glRotatef(cameraRoll, 0.0f, 0.0f, 1.0f);
    glTranslatef(cameraPanX, cameraPanY, 0.0f);
}

void setProjectionAndCamera()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    multiplyProjection();
    loadCamera();
}
