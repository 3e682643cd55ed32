// The default operations every lattice shares.
#include "lattice.h"

#include <GL/gl.h>

#include <algorithm>
#include <cstdlib>

lattice::~lattice() = default;

void lattice::build()
{
    buildShape();
    buildTables();
}

void lattice::buildShape() {}

int lattice::directionCount() const { return neighbourDirections; }

int lattice::oppositeDirection(int direction) const
{
    if (direction < 0 || direction >= neighbourDirections) return -1;
    return oppositeDirectionTable[direction];
}

int lattice::randomNeighbour(RandomGenerator& random, latticeCursor& cursor, int index, int* directionOut) const
{
    const int direction = random.rand() % neighbourDirections;
    if (directionOut) *directionOut = direction;
    return neighbour(cursor, index, direction);
}

int lattice::firstCell(latticeCursor& cursor) const
{
    cursor.i = 0;
    cursor.j = 0;
    return 0;
}

void lattice::drawCellTile(const latticeCursor& cursor, int index, float height, float size) const
{
    float corners[4][3];
    if (!tileCorners(cursor, index, height, size, corners)) return;
    glBegin(GL_QUADS);
    for (const float* corner : corners) glVertex3fv(corner);
    glEnd();
}

void lattice::cellVertex(const latticeCursor& cursor, int index, float height) const
{
    float position[3];
    cellPosition(cursor, index, position, height);
    glVertex3fv(position);
}

void lattice::buildTables()
{
    neighbours.assign(static_cast<std::size_t>(cellCount()) * neighbourDirections, -1);
    latticeCursor cursor;
    for (int index = firstCell(cursor); index != -1; index = nextCell(cursor)) {
        walk.push_back(index);
        for (int direction = 0; direction < neighbourDirections; ++direction) {
            latticeCursor around = cursor;
            const int found = neighbour(around, index, direction);
            neighbours[static_cast<std::size_t>(index) * neighbourDirections + direction] = found;
            if (found == -1) continue;
            reach = std::max(reach, found - index);
            span = std::max(span, std::abs(found - index));
        }
    }
}

const std::vector<std::int32_t>& lattice::walkOrder() const { return walk; }

const std::vector<std::int32_t>& lattice::neighbourTable() const { return neighbours; }

int lattice::neighbourReach() const { return reach; }

int lattice::neighbourSpan() const { return span; }
