// The topology interface: which cells exist, how they neighbour, where they lie and how they are drawn.
#pragma once

#include "randomGenerator.h"

#include <cstdint>
#include <vector>

// The position of one cell inside its lattice. Callers own cursors; the lattice moves them.
// Plane and sphere: i = position along the row, j = row. Disc: i = ring, j = position along the ring.
struct latticeCursor {
    std::int32_t i = 0;
    std::int32_t j = 0;
};

// Number of neighbour directions of every lattice.
inline constexpr int neighbourDirections = 8;

// Direction d adds directionStepI[d] to i and directionStepJ[d] to j before the lattice applies its
// own edge, wrap and row rules: the 3 x 3 neighbourhood column by column, centre skipped.
inline constexpr int directionStepI[neighbourDirections] = {-1, -1, -1, 0, 0, 1, 1, 1};
inline constexpr int directionStepJ[neighbourDirections] = {-1, 0, 1, -1, 1, -1, 0, 1};
// The opposite of d is 7 - d.
inline constexpr int oppositeDirectionTable[neighbourDirections] = {7, 6, 5, 4, 3, 2, 1, 0};

// A cell index is row * stride + position (int32); -1 means no cell. On the disc and the sphere
// the rows are shorter than the stride, so the index space has holes that are never cells.
class lattice {
public:
    virtual ~lattice();

    // Called once, right after construction: builds the shape, then the tables below. The lattice
    // is immutable afterwards, so worlds and threads may share it.
    void build();
    // Size of the index space (holes included): the world allocates this many cell records.
    virtual int cellCount() const = 0;
    // A uniformly random real cell, drawn with the given generator (one draw on a lattice of up to
    // 32768 cells, two on a larger one).
    virtual int randomCell(RandomGenerator& random) const = 0;
    virtual int directionCount() const;
    // The neighbour of the cell at cursor (whose index the caller passes) in direction d, or -1 when
    // no cell lies there or d is not a direction. On success the cursor moves to the neighbour;
    // on -1 it is left alone.
    virtual int neighbour(latticeCursor& cursor, int index, int direction) const = 0;
    // 7 - d for d in 0..7, -1 otherwise.
    virtual int oppositeDirection(int direction) const;
    // neighbour in a direction drawn as rand() mod 8 (stored in directionOut when it is not null);
    // a direction without a cell gives -1, it is not drawn again.
    virtual int randomNeighbour(RandomGenerator& random, latticeCursor& cursor, int index, int* directionOut) const;
    // Sets the cursor to the first cell, index 0, which every lattice has.
    virtual int firstCell(latticeCursor& cursor) const;
    // Advances to the next real cell in increasing index order; -1 after the last one.
    virtual int nextCell(latticeCursor& cursor) const = 0;
    // One GL line loop around the full cell (the caller sets colour, width and name).
    virtual void drawCellOutline(const latticeCursor& cursor, int index, float height) const = 0;
    // One GL quad covering the full cell.
    virtual void drawCellFilled(const latticeCursor& cursor, int index, float height) const = 0;
    // One GL quad of the cell's shape scaled by size about its centre (1 = the full cell): the
    // corners of tileCorners.
    void drawCellTile(const latticeCursor& cursor, int index, float height, float size) const;
    // The corners of that quad in drawing order, as GL takes them; false, with nothing written,
    // where the cursor lies on no cell. A frame gathers every tile's corners into one array.
    virtual bool tileCorners(const latticeCursor& cursor, int index, float height, float size, float corners[4][3]) const = 0;
    // The cell's centre at the given height, written to out[0..2]; returns out.
    virtual float* cellPosition(const latticeCursor& cursor, int index, float* out, float height) const = 0;
    // One GL vertex at cellPosition: call it between the caller's own begin and end.
    virtual void cellVertex(const latticeCursor& cursor, int index, float height) const;
    // Fills the cursor with the plain row/position split of any index; true when the index is a cell.
    virtual bool locate(int index, latticeCursor& cursor) const = 0;
    // The index of the cell at the cursor: the inverse of locate.
    virtual int cellIndex(const latticeCursor& cursor) const = 0;

    // The cells in nextCell's order, and for each cell index the neighbour (or -1) in each
    // direction (index * 8 + d) from the cursor that walk gives it: what neighbour and nextCell
    // answer, worked out once by build, so that a walk over every cell makes no call per cell.
    const std::vector<std::int32_t>& walkOrder() const;
    const std::vector<std::int32_t>& neighbourTable() const;
    // The largest step forward in index from a cell to one of its neighbours.
    int neighbourReach() const;
    // The largest step in index, forward or back, from a cell to one of its neighbours.
    int neighbourSpan() const;

protected:
    // What a lattice works out of its shape before the tables: nothing for most.
    virtual void buildShape();

private:
    void buildTables();

    std::vector<std::int32_t> walk;
    std::vector<std::int32_t> neighbours;
    int reach = 0;
    int span = 0;
};
