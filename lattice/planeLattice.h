// The flat rectangular grid in the z = 0 plane, centred on the origin.
#pragma once

#include "lattice.h"

#include <cstdint>

// Cursor i = column, j = row; index = j * gridWidth + i. No wrapping: edge cells have 5 neighbours,
// corner cells 3.
class planeLattice : public lattice {
public:
    planeLattice(std::int32_t width, std::int32_t height, float size);

    int cellCount() const override;
    int randomCell(RandomGenerator& random) const override;
    int neighbour(latticeCursor& cursor, int index, int direction) const override;
    int nextCell(latticeCursor& cursor) const override;
    void drawCellOutline(const latticeCursor& cursor, int index, float height) const override;
    void drawCellFilled(const latticeCursor& cursor, int index, float height) const override;
    bool tileCorners(const latticeCursor& cursor, int index, float height, float size, float corners[4][3]) const override;
    float* cellPosition(const latticeCursor& cursor, int index, float* out, float height) const override;
    bool locate(int index, latticeCursor& cursor) const override;
    int cellIndex(const latticeCursor& cursor) const override;

    // Column and row of an index; true when the index is a cell of the grid.
    bool cellXY(std::int32_t index, std::int32_t* x, std::int32_t* y) const;

    const std::int32_t gridWidth;
    const std::int32_t gridHeight;
    const std::int32_t cellTotal;
    const float cellSize;
    const float originX;  // x of the grid's left edge
    const float originY;  // y of the grid's lower edge

private:
    void emitSquare(unsigned primitive, const latticeCursor& cursor, float height) const;
};
