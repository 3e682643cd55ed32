// Picking the cell under the mouse with selection mode.
#include "picking.h"

#include "camera.h"
#include "renderSettings.h"
#include "world.h"
#include "worldLayer.h"

#include <GL/glu.h>

GLuint pickBuffer[pickBufferSize];
int pickedCell = -1;

namespace {
constexpr double pickRegion = 1.0;  // one pixel
}  // namespace

void drawPickTiles(float elevation, int heightMode, float size)
{
    if (!world.cells || !world.currentLattice) return;
    const reliefScale relief = reliefOf(heightMode, elevation);
    const lattice& cells = *world.currentLattice;
    latticeCursor cursor;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
        glLoadName(static_cast<GLuint>(index));
        cells.drawCellTile(cursor, index, cellHeight(world.cells[index], relief, 0.0f), size);
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
