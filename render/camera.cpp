// The transform a camera makes.
#include "camera.h"

#include "world.h"

#include <GL/glu.h>

#include <algorithm>

namespace {
constexpr double fieldOfView = 90.0;
constexpr double nearPlane = 1.0;

// The extent of a topology's size, in the measure viewScale compares.
float extentOf(int topology, const WorldSizes& sizes)
{
    if (topology == discTopology) return static_cast<float>(sizes.discRings);
    if (topology == sphereTopology) return static_cast<float>(sphereEquatorCells(sizes.sphereRows));
    return static_cast<float>(std::max(sizes.planeWidth, sizes.planeHeight));
}

}  // namespace

float viewScale(const World& world)
{
    if (world.empty()) return 1.0f;
    return std::max(1.0f, extentOf(world.topology, world.sizes) / extentOf(world.topology, WorldSizes{}));
}

Camera worldCamera(const World& world)
{
    Camera camera;
    camera.scale = viewScale(world);
    camera.distance = initialCameraDistance * camera.scale;
    return camera;
}

float farthestDistance(const Camera& camera) { return farthestCameraDistance * camera.scale; }

double projectionAspect(int width, int height) { return static_cast<double>(std::max(width, 1)) / std::max(height, 1); }

void multiplyProjection(const Camera& camera)
{
    // The viewport is the window's size in a window (GLUT keeps it so) and the buffer's offscreen.
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluPerspective(fieldOfView, projectionAspect(viewport[2], viewport[3]), nearPlane, farthestDistance(camera));
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
    multiplyProjection(camera);
    loadCamera(camera);
}
