// The size of each topology's lattice, each in its own measure, the range a size may take and what
// a world of a size costs in memory.
#pragma once

#include <cstdint>
#include <string>

// The plane's width and height in cells, the disc's number of rings, the sphere's number of
// latitude rows. A world keeps all three, so that changing its topology keeps each one's size.
struct WorldSizes {
    int planeWidth = 80;
    int planeHeight = 80;
    int discRings = 40;
    int sphereRows = 79;  // odd: the equator row and as many rows north as south
};

// The ranges: the smallest size a lattice is built at, and the largest (a 4096 x 4096 plane, and
// the disc and sphere of the most rings and rows whose cells are no more than its cells).
inline constexpr int smallestPlaneSide = 8;
inline constexpr int largestPlaneSide = 4096;
inline constexpr int fewestDiscRings = 8;
inline constexpr int mostDiscRings = 2311;
inline constexpr int fewestSphereRows = 9;
inline constexpr int mostSphereRows = 3627;

bool operator==(const WorldSizes& a, const WorldSizes& b);
bool operator!=(const WorldSizes& a, const WorldSizes& b);

// A lattice's shape: its topology and its size in the topology's own measures. Lattices of one
// shape have the same cells in the same places, whichever world built them.
struct LatticeShape {
    int topology = -1;
    int measures[2] = {};
};
LatticeShape latticeShape(int topology, const WorldSizes& sizes);
bool operator==(const LatticeShape& a, const LatticeShape& b);
bool operator!=(const LatticeShape& a, const LatticeShape& b);

// Whether the topology's size in sizes is the default one (any other topology number: true).
bool hasDefaultSize(int topology, const WorldSizes& sizes);

// The topology's size as two numbers: width and height on the plane, rings or rows and 0 on the
// disc and the sphere; and back. setMeasures writes only the topology's own size.
void sizeMeasures(int topology, const WorldSizes& sizes, int measures[2]);
void setMeasures(int topology, const int measures[2], WorldSizes& sizes);

// The topology's size as people write it: "80x80", "40", "79".
std::string sizeText(int topology, const WorldSizes& sizes);

// Why the topology's size cannot be built, naming its option's range; empty when it is in range.
std::string sizeRangeProblem(int topology, const WorldSizes& sizes);

// "WIDTHxHEIGHT" and a whole number, read into sizes; false, with sizes unchanged, for any other text.
bool readPlaneSize(const std::string& text, WorldSizes& sizes);
bool readWholeNumber(const std::string& text, int& number);

// The cells on the equator of a sphere of the given rows: the index step between its rows.
int sphereEquatorCells(int rows);

// The lattice's index space (holes included) for a size in range, worked out without building it.
std::int64_t indexSpaceOf(int topology, const WorldSizes& sizes);
// The bytes a world of that size holds: its cells, its lattice's tables and its lineage stack.
std::uint64_t worldBytesOf(int topology, const WorldSizes& sizes);
// Why a world of the size would not fit in the memory this machine has free now, saying how much
// it would need; empty when it fits.
std::string memoryProblem(int topology, const WorldSizes& sizes);
// The range first, then the memory: empty when a world of the size can be built.
std::string sizeProblem(int topology, const WorldSizes& sizes);
