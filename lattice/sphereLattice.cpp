// The sphere of 160 equator cells and radius 25 as the world builds it: 79 rows, 8112 cells.
#include "sphereLattice.h"

#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <numeric>
#include <utility>

namespace {

constexpr float fullTurn = 6.28f;
constexpr float degreesToTurns = 0.0027777778f;  // 1 / 360
constexpr double degreesToRadians = 3.14159265358979323846 / 180.0;

float toRadians(float degrees) { return degrees * degreesToTurns * fullTurn; }

// Rows lie 90 / (stride / 4) degrees apart.
float latitudeStepOf(std::int32_t stride) { return 90.0f / static_cast<float>(stride / 4); }

std::vector<sphereRow> makeRows(std::int32_t stride)
{
    const std::int32_t quarter = stride / 4;
    const std::int32_t equator = quarter - 1;
    const float latitudeStep = latitudeStepOf(stride);
    std::vector<sphereRow> rows(static_cast<size_t>(2 * equator + 1));
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(rows.size()); ++r) {
        sphereRow& row = rows[static_cast<size_t>(r)];
        row.latitude = static_cast<float>(equator - r) * latitudeStep;
        row.cellsInRow =
            r == equator ? stride : static_cast<std::int32_t>(static_cast<float>(stride) * std::cos(toRadians(row.latitude)));
    }
    return rows;
}

std::int32_t totalCells(const std::vector<sphereRow>& rows)
{
    return std::accumulate(rows.begin(), rows.end(), 0,
                           [](std::int32_t sum, const sphereRow& row) { return sum + row.cellsInRow; });
}

}  // namespace

sphereLattice::sphereLattice(std::int32_t equatorCells, float sphereRadius)
    : sphereLattice(makeRows(equatorCells), equatorCells, sphereRadius)
{
}

sphereLattice::sphereLattice(std::vector<sphereRow> rows, std::int32_t equatorCells, float sphereRadius)
    : stride(equatorCells),
      rowCount(static_cast<std::int32_t>(rows.size())),
      cellTotal(totalCells(rows)),
      indexCount(rowCount * equatorCells),
      radius(sphereRadius),
      cellSize(sphereRadius * fullTurn / static_cast<float>(equatorCells)),
      equatorRow(equatorCells / 4 - 1),
      heightScale(cellSize * 0.25f),
      rowTable(std::move(rows))
{
    tabulateAngles();
}

void sphereLattice::tabulateAngles()
{
    longitudes.resize(static_cast<size_t>(indexCount));
    for (const sphereRow& row : rowTable) {
        const double latitude = row.latitude * degreesToRadians;
        latitudes.push_back({std::sin(latitude), std::cos(latitude)});
        const std::int32_t first = static_cast<std::int32_t>(latitudes.size() - 1) * stride;
        for (std::int32_t i = 0; i < row.cellsInRow; ++i) {
            const double longitude = static_cast<double>(i) / row.cellsInRow * 360.0 * degreesToRadians;
            longitudes[static_cast<size_t>(first + i)] = {std::sin(longitude), std::cos(longitude)};
        }
    }
}

std::int32_t sphereLattice::rowLength(std::int32_t row) const
{
    if (row < 0 || row >= rowCount) return 0;
    return rowTable[static_cast<size_t>(row)].cellsInRow;
}

float sphereLattice::latitudeStep() const { return latitudeStepOf(stride); }

bool sphereLattice::holdsCell(const latticeCursor& cursor) const { return cursor.i >= 0 && cursor.i < rowLength(cursor.j); }

int sphereLattice::cellCount() const { return indexCount; }

int sphereLattice::randomCell(RandomGenerator& random) const
{
    int k = random.below(cellTotal);
    std::int32_t row = 0;
    while (k >= rowLength(row)) {
        k -= rowLength(row);
        row += 1;
    }
    return row * stride + k;
}

int sphereLattice::neighbour(latticeCursor& cursor, int, int direction) const
{
    if (direction < 0 || direction >= neighbourDirections || rowLength(cursor.j) == 0) return -1;
    std::int32_t i = cursor.i;
    std::int32_t j = cursor.j;
    const std::int32_t row = j + directionStepJ[direction];
    if (row != j) {
        if (row < 0 || row >= rowCount) return -1;
        // Carry the position over in proportion to the two row lengths.
        i = static_cast<std::int32_t>(static_cast<float>(rowLength(row)) / static_cast<float>(rowLength(j)) *
                                      static_cast<float>(i));
        j = row;
    }
    i += directionStepI[direction];
    i = i >= 0 ? i % rowLength(j) : rowLength(j) + i;
    cursor.i = i;
    cursor.j = j;
    return j * stride + i;
}

int sphereLattice::nextCell(latticeCursor& cursor) const
{
    if (!holdsCell(cursor)) std::printf("%d:%d (#%d:%d)\n", cursor.j, cursor.i, rowCount, rowLength(cursor.j));
    if (cursor.j < 0 || cursor.j >= rowCount) return -1;
    cursor.i += 1;
    // >= rather than ==: a cursor past its row's end moves on to the next row instead of running on
    // through indices that belong to other rows.
    if (cursor.i >= rowLength(cursor.j)) {
        cursor.i = 0;
        cursor.j += 1;
        if (cursor.j == rowCount) return -1;
    }
    return cursor.j * stride + cursor.i;
}

void sphereLattice::squareCorners(const latticeCursor& cursor, float height, float size, double corners[4][3]) const
{
    // The square lies in the plane z = distance of a frame turned about x by -latitude, then about
    // y by the longitude, both in exact degrees. The turned frame's axes are computed here rather
    // than by rotating the modelview, so that consecutive tiles share one stream of vertices.
    const angleSines& latitude = latitudes[static_cast<size_t>(cursor.j)];
    const angleSines& longitude = longitudes[static_cast<size_t>(cellIndex(cursor))];
    const double sinLatitude = latitude.sine;
    const double cosLatitude = latitude.cosine;
    const double sinLongitude = longitude.sine;
    const double cosLongitude = longitude.cosine;
    const double east[3] = {cosLongitude, 0.0, -sinLongitude};
    const double north[3] = {-sinLatitude * sinLongitude, cosLatitude, -sinLatitude * cosLongitude};
    const double out[3] = {cosLatitude * sinLongitude, sinLatitude, cosLatitude * cosLongitude};
    const double z = radius + height * heightScale;
    const double half = size * cellSize * 0.5f;
    const double offsets[4][2] = {{-half, -half}, {-half, half}, {half, half}, {half, -half}};
    for (int corner = 0; corner < 4; ++corner)
        for (int axis = 0; axis < 3; ++axis)
            corners[corner][axis] = offsets[corner][0] * east[axis] + offsets[corner][1] * north[axis] + z * out[axis];
}

void sphereLattice::emitSquare(unsigned primitive, const latticeCursor& cursor, float height, float size) const
{
    if (!holdsCell(cursor)) return;
    double corners[4][3];
    squareCorners(cursor, height, size, corners);
    glBegin(primitive);
    for (const double* corner : corners) glVertex3dv(corner);
    glEnd();
}

void sphereLattice::drawCellOutline(const latticeCursor& cursor, int, float height) const
{
    emitSquare(GL_LINE_LOOP, cursor, height, 1.0f);
}

void sphereLattice::drawCellFilled(const latticeCursor& cursor, int, float height) const
{
    emitSquare(GL_QUADS, cursor, height, 1.0f);
}

// GL keeps a vertex as floats: the double corners rounded as glVertex3dv rounds them.
bool sphereLattice::tileCorners(const latticeCursor& cursor, int, float height, float size, float corners[4][3]) const
{
    if (!holdsCell(cursor)) return false;
    double exact[4][3];
    squareCorners(cursor, height, size, exact);
    for (int corner = 0; corner < 4; ++corner)
        for (int axis = 0; axis < 3; ++axis) corners[corner][axis] = static_cast<float>(exact[corner][axis]);
    return true;
}

float* sphereLattice::cellPosition(const latticeCursor& cursor, int, float* out, float height) const
{
    if (!holdsCell(cursor)) {
        out[0] = out[1] = out[2] = 0.0f;
        return out;
    }
    const sphereRow& row = rowTable[static_cast<size_t>(cursor.j)];
    const float distance = radius + height * heightScale;
    const float latitude = toRadians(row.latitude);
    const float longitude = toRadians(static_cast<float>(cursor.i) / static_cast<float>(row.cellsInRow) * 360.0f);
    out[0] = distance * std::cos(latitude) * std::sin(longitude);
    out[1] = distance * std::sin(latitude);
    out[2] = distance * std::cos(latitude) * std::cos(longitude);
    return out;
}

bool sphereLattice::locate(int index, latticeCursor& cursor) const
{
    cursor.i = index % stride;
    cursor.j = index / stride;
    return holdsCell(cursor);
}

int sphereLattice::cellIndex(const latticeCursor& cursor) const { return cursor.j * stride + cursor.i; }
