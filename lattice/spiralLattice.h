// The disc: concentric rings of cells around the origin, each about 6.28 cells longer than the one inside.
#pragma once

#include "lattice.h"

#include <cstdint>
#include <vector>

// The geometry of one disc cell: its corners on the ring's inner and outer circle at the cell's
// starting angle. A cell is the quadrilateral between its own corners and those of the next cell.
struct discTile {
    float innerX, innerY;
    float outerX, outerY;
};

// Cursor i = ring (0 = innermost), j = position along the ring; index = i * stride + j.
// Positions past a ring's size are holes. Rings wrap; between rings a position carries over by
// its fraction of the turn. Ring 0's two cells are degenerate: their inner corners meet at the centre.
class spiralLattice : public lattice {
public:
    explicit spiralLattice(std::int32_t ringCount);

    // Lays the rings out and sets stride to the longest ring. Called exactly once.
    int cellCount() const override;
    int randomCell(RandomGenerator& random) const override;
    int neighbour(latticeCursor& cursor, int index, int direction) const override;
    int nextCell(latticeCursor& cursor) const override;
    // The drawing operations draw nothing for a cursor on no cell (a hole, or off the rings).
    void drawCellOutline(const latticeCursor& cursor, int index, float height) const override;
    void drawCellFilled(const latticeCursor& cursor, int index, float height) const override;
    bool tileCorners(const latticeCursor& cursor, int index, float height, float size, float corners[4][3]) const override;
    // A cursor on no cell lies at the centre of the disc.
    float* cellPosition(const latticeCursor& cursor, int index, float* out, float height) const override;
    // Accepts every index of the index space, holes included: the world passes only real cells.
    bool locate(int index, latticeCursor& cursor) const override;
    int cellIndex(const latticeCursor& cursor) const override;

    // The number of rings held, and the cells of ring r (0 for a ring that does not exist).
    std::int32_t numRings() const;
    std::int32_t ringSize(std::int32_t ring) const;
    // The position along an existing ring whose tile covers the angle, in degrees 0..360 from +y
    // toward -x.
    std::int32_t positionAtAngle(std::int32_t ring, double degrees) const;

protected:
    void buildShape() override;

private:
    struct cellCorners;
    bool holdsCell(const latticeCursor& cursor) const;
    cellCorners cornersOf(const latticeCursor& cursor) const;
    void emitCorners(unsigned primitive, const latticeCursor& cursor, float height) const;

    std::vector<std::vector<discTile>> rings;
    std::int32_t ringCount;
    std::int32_t stride;  // the index step between rings: truncate(rings * 6.28) until build, then the longest ring
    std::int32_t indexCount = 0;
    std::int32_t cellTotal = 0;
};
