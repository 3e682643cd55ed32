// The transform a camera makes.
#include "camera.h"

#include <GL/glu.h>

#include <algorithm>

namespace {
constexpr double fieldOfView = 90.0;
constexpr double nearPlane = 1.0;
constexpr double farPlane = 1000.0;
}  // namespace

double projectionAspect(int width, int height) { return static_cast<double>(std::max(width, 1)) / std::max(height, 1); }

void multiplyProjection()
{
    // The viewport is the window's size in a window (GLUT keeps it so) and the buffer's offscreen.
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluPerspective(fieldOfView, projectionAspect(viewport[2], viewport[3]), nearPlane, farPlane);
}

void loadCamera(const Camera& camera)
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -camera.distance);
    glRotatef(camera.pitch, 1.0f, 0.0f, 0.0f);
    glRotatef(camera.yaw, 0.0f, 1.0f, 0.0f);
    glRotatef(camera.roll, 0.0f, 0.0f, 1.0f);
    glTranslatef(camera.panX, camera.panY, 0.0f);
}

void setProjectionAndCamera(const Camera& camera)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    multiplyProjection();
    loadCamera(camera);
}
