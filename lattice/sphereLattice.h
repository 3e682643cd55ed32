// The sphere: rows of constant latitude, each as long as its circumference allows.
#pragma once

#include "lattice.h"

#include <cstdint>
#include <vector>

struct sphereRow {
    std::int32_t cellsInRow;
    float latitude;  // degrees, positive north (+y)
};

// Cursor i = position along the row (eastward), j = row (0 = northmost); index = j * stride + i.
// Indices past a row's length are holes. Rows wrap east-west; the poles are open edges. A full
// turn is 6.28 radians wherever the sphere converts angles itself: it fixes the row lengths.
class sphereLattice : public lattice {
public:
    sphereLattice(std::int32_t stride, float radius);

    int cellCount() const override;
    int randomCell(RandomGenerator& random) const override;
    int neighbour(latticeCursor& cursor, int index, int direction) const override;
    // Before advancing, a cursor that lies on no cell is reported on standard output as
    // "row:position (#rowCount:row length)", the row length 0 past the last row.
    int nextCell(latticeCursor& cursor) const override;
    // The drawing operations draw nothing for a cursor on no cell.
    void drawCellOutline(const latticeCursor& cursor, int index, float height) const override;
    void drawCellFilled(const latticeCursor& cursor, int index, float height) const override;
    bool tileCorners(const latticeCursor& cursor, int index, float height, float size, float corners[4][3]) const override;
    // A cursor on no cell lies at the centre of the sphere.
    float* cellPosition(const latticeCursor& cursor, int index, float* out, float height) const override;
    bool locate(int index, latticeCursor& cursor) const override;
    int cellIndex(const latticeCursor& cursor) const override;
    // The cells in a row, 0 for a row that does not exist.
    std::int32_t rowLength(std::int32_t row) const;
    // The degrees of latitude between one row's centre and the next's.
    float latitudeStep() const;

    const std::int32_t stride;  // cells on the equator, and the index step between rows
    const std::int32_t rowCount;
    const std::int32_t cellTotal;  // real cells
    const std::int32_t indexCount;  // rowCount * stride: what cellCount returns
    const float radius;
    const float cellSize;  // edge of one square tile
    const std::int32_t equatorRow;
    const float heightScale;  // radial distance per unit of height

private:
    sphereLattice(std::vector<sphereRow> rows, std::int32_t stride, float radius);
    bool holdsCell(const latticeCursor& cursor) const;
    void squareCorners(const latticeCursor& cursor, float height, float size, double corners[4][3]) const;
    void emitSquare(unsigned primitive, const latticeCursor& cursor, float height, float size) const;

    // The sines and cosines of the tiles' frames, worked out once: each row's latitude, and each
    // cell's longitude by index.
    struct angleSines {
        double sine, cosine;
    };
    void tabulateAngles();

    std::vector<sphereRow> rowTable;  // north to south
    std::vector<angleSines> latitudes;
    std::vector<angleSines> longitudes;
};
