// The plane: an 80 x 80 grid of unit squares as the world builds it.
#include "planeLattice.h"

#include <GL/gl.h>

planeLattice::planeLattice(std::int32_t width, std::int32_t height, float size)
    : gridWidth(width),
      gridHeight(height),
      cellTotal(width * height),
      cellSize(size),
      originX(-static_cast<float>(width) * size * 0.5f),
      originY(-static_cast<float>(height) * size * 0.5f)
{
}

int planeLattice::cellCount() const { return cellTotal; }

int planeLattice::randomCell(RandomGenerator& random) const { return random.below(cellTotal); }

int planeLattice::neighbour(latticeCursor& cursor, int, int direction) const
{
    if (direction < 0 || direction >= neighbourDirections) return -1;
    const int i = cursor.i + directionStepI[direction];
    const int j = cursor.j + directionStepJ[direction];
    if (i < 0 || j < 0 || i >= gridWidth || j >= gridHeight) return -1;
    cursor.i = i;
    cursor.j = j;
    return j * gridWidth + i;
}

int planeLattice::nextCell(latticeCursor& cursor) const
{
    cursor.i += 1;
    if (cursor.i == gridWidth) {
        cursor.i = 0;
        cursor.j += 1;
        if (cursor.j == gridHeight) return -1;
    }
    return cursor.j * gridWidth + cursor.i;
}

void planeLattice::emitSquare(unsigned primitive, const latticeCursor& cursor, float height) const
{
    const float x0 = originX + static_cast<float>(cursor.i) * cellSize;
    const float x1 = originX + static_cast<float>(cursor.i + 1) * cellSize;
    const float y0 = originY + static_cast<float>(cursor.j) * cellSize;
    const float y1 = originY + static_cast<float>(cursor.j + 1) * cellSize;
    const float z = height * cellSize;
    glBegin(primitive);
    glVertex3f(x0, y0, z);
    glVertex3f(x1, y0, z);
    glVertex3f(x1, y1, z);
    glVertex3f(x0, y1, z);
    glEnd();
}

void planeLattice::drawCellOutline(const latticeCursor& cursor, int, float height) const
{
    emitSquare(GL_LINE_LOOP, cursor, height);
}

void planeLattice::drawCellFilled(const latticeCursor& cursor, int, float height) const { emitSquare(GL_QUADS, cursor, height); }

bool planeLattice::tileCorners(const latticeCursor& cursor, int index, float height, float size, float corners[4][3]) const
{
    float centre[3];
    cellPosition(cursor, index, centre, height);
    const float half = size * cellSize * 0.5f;
    const float offsets[4][2] = {{-half, -half}, {half, -half}, {half, half}, {-half, half}};
    for (int corner = 0; corner < 4; ++corner) {
        corners[corner][0] = centre[0] + offsets[corner][0];
        corners[corner][1] = centre[1] + offsets[corner][1];
        corners[corner][2] = centre[2];
    }
    return true;
}

float* planeLattice::cellPosition(const latticeCursor& cursor, int, float* out, float height) const
{
    out[0] = originX + (static_cast<float>(cursor.i) + 0.5f) * cellSize;
    out[1] = originY + (static_cast<float>(cursor.j) + 0.5f) * cellSize;
    out[2] = height * cellSize;
    return out;
}

bool planeLattice::locate(int index, latticeCursor& cursor) const
{
    cursor.i = index % gridWidth;
    cursor.j = index / gridWidth;
    return index >= 0 && index < cellTotal;
}

int planeLattice::cellIndex(const latticeCursor& cursor) const { return cursor.j * gridWidth + cursor.i; }

bool planeLattice::cellXY(std::int32_t index, std::int32_t* x, std::int32_t* y) const
{
    *x = index % gridWidth;
    *y = index / gridWidth;
    return index >= 0 && index < cellTotal;
}
