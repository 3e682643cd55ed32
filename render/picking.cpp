// Picking the cell under the mouse with selection mode.
#include "picking.h"

#include "camera.h"
#include "renderSettings.h"
#include "world.h"
#include "worldLayer.h"

#include <GL/glu.h>

#include <cmath>

GLuint pickBuffer[pickBufferSize];
int pickedCell = -1;

namespace {

constexpr double pickRegion = 1.0;  // one pixel
constexpr double clipMargin = 1e-4;  // of a coordinate's size: GL clips in floats, this test in doubles

// The product of the projection and the modelview: object coordinates to clip coordinates.
struct clipTransform {
    double m[16];  // column by column, as GL keeps matrices
};

clipTransform currentClipTransform()
{
    double projection[16], modelview[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    clipTransform product{};
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k) product.m[column * 4 + row] += projection[k * 4 + row] * modelview[column * 4 + k];
    return product;
}

// Whether the quad lies wholly beyond one plane of the view volume, with room to spare: then it
// cannot be a hit, and leaving it out changes no hit record. Any quad GL might find is kept.
bool outsideView(const clipTransform& transform, const float corners[4][3])
{
    int beyond[6] = {};
    for (int corner = 0; corner < 4; ++corner) {
        double clip[4];
        for (int row = 0; row < 4; ++row)
            clip[row] = transform.m[row] * corners[corner][0] + transform.m[4 + row] * corners[corner][1] +
                        transform.m[8 + row] * corners[corner][2] + transform.m[12 + row];
        const double w = clip[3];
        for (int axis = 0; axis < 3; ++axis) {
            const double margin = clipMargin * (std::fabs(clip[axis]) + std::fabs(w));
            beyond[2 * axis] += clip[axis] < -w - margin;
            beyond[2 * axis + 1] += clip[axis] > w + margin;
        }
    }
    for (int plane : beyond)
        if (plane == 4) return true;
    return false;
}

}  // namespace

void drawPickTiles(float elevation, int heightMode, float size)
{
    if (!world.cells || !world.currentLattice) return;
    const reliefScale relief = reliefOf(heightMode, elevation);
    const lattice& cells = *world.currentLattice;
    const clipTransform transform = currentClipTransform();
    latticeCursor cursor;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
        float corners[4][3];
        if (!cells.tileCorners(cursor, index, cellHeight(world.cells[index], relief, 0.0f), size, corners)) continue;
        if (outsideView(transform, corners)) continue;
        glLoadName(static_cast<GLuint>(index));
        glBegin(GL_QUADS);
        for (const float* corner : corners) glVertex3fv(corner);
        glEnd();
    }
}

int nearestHit(const GLuint* buffer, int hits, int bufferSize)
{
    if (hits <= 0) return -1;
    // A record: the number of names, the minimum and maximum depth, then the names.
    int best = static_cast<int>(buffer[3]);
    GLuint bestDepth = buffer[1];
    int at = 0;
    for (int hit = 0; hit < hits && at + 3 <= bufferSize; ++hit) {
        const GLuint names = buffer[at];
        const GLuint depth = buffer[at + 1];
        if (names > 0 && at + 3 < bufferSize && depth < bestDepth) {
            best = static_cast<int>(buffer[at + 3]);
            bestDepth = depth;
        }
        at += 3 + static_cast<int>(names);
    }
    return best;
}

int pickCellAt(int x, int y)
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    // A window shrunk to nothing shows no cell; its pick matrix would squash every tile onto the mouse.
    if (viewport[2] <= 0 || viewport[3] <= 0) {
        pickedCell = -1;
        return pickedCell;
    }
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // The region is the clicked pixel's square: GL places pixel (x, y) between x and x + 1, counted from the bottom.
    gluPickMatrix(x + 0.5, viewport[3] - y - 0.5, pickRegion, pickRegion, viewport);
    multiplyProjection();
    loadCamera();

    glSelectBuffer(pickBufferSize, pickBuffer);
    glRenderMode(GL_SELECT);
    glClear(GL_DEPTH_BUFFER_BIT);
    glInitNames();
    glPushName(0);
    drawPickTiles(elevation, zRenderMode, 1.0f);
    glPopName();
    glFlush();
    const int hits = glRenderMode(GL_RENDER);
    pickedCell = nearestHit(pickBuffer, hits, pickBufferSize);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return pickedCell;
}
