// Sizes of the lattices: their ranges, their text and their cost.
#include "worldSize.h"

#include "availableMemory.h"
#include "cell.h"
#include "lattice.h"
#include "topologies.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr float discTurn = 6.28f;  // a ring is about 6.28 cells longer than the one inside
// Beside each cell record and lineage frame: the neighbour table, the walk and the per-cell
// geometry a lattice keeps (the disc's corners, the sphere's longitudes).
constexpr std::uint64_t latticeBytesPerIndex = neighbourDirections * 4 + 4 + 16;
constexpr double bytesPerGigabyte = 1024.0 * 1024.0 * 1024.0;

// "plane of 80x80 cells", "disc of 40 rings", "sphere of 79 rows".
std::string sizeWords(int topology, const WorldSizes& sizes)
{
    static const char* const units[topologyCount] = {" cells", " rings", " rows"};
    return std::string(topologyNames[topology]) + " of " + sizeText(topology, sizes) + units[topology];
}

std::string gigabytes(std::uint64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f GB", static_cast<double>(bytes) / bytesPerGigabyte);
    return text;
}

}  // namespace

bool operator==(const WorldSizes& a, const WorldSizes& b)
{
    return a.planeWidth == b.planeWidth && a.planeHeight == b.planeHeight && a.discRings == b.discRings &&
           a.sphereRows == b.sphereRows;
}

bool operator!=(const WorldSizes& a, const WorldSizes& b) { return !(a == b); }

LatticeShape latticeShape(int topology, const WorldSizes& sizes)
{
    LatticeShape shape;
    shape.topology = topology;
    sizeMeasures(topology, sizes, shape.measures);
    return shape;
}

bool operator==(const LatticeShape& a, const LatticeShape& b)
{
    return a.topology == b.topology && a.measures[0] == b.measures[0] && a.measures[1] == b.measures[1];
}

bool operator!=(const LatticeShape& a, const LatticeShape& b) { return !(a == b); }

bool hasDefaultSize(int topology, const WorldSizes& sizes)
{
    return latticeShape(topology, sizes) == latticeShape(topology, WorldSizes{});
}

void sizeMeasures(int topology, const WorldSizes& sizes, int measures[2])
{
    measures[0] = measures[1] = 0;
    switch (topology) {
    case planeTopology:
        measures[0] = sizes.planeWidth;
        measures[1] = sizes.planeHeight;
        break;
    case discTopology: measures[0] = sizes.discRings; break;
    case sphereTopology: measures[0] = sizes.sphereRows; break;
    default: break;
    }
}

void setMeasures(int topology, const int measures[2], WorldSizes& sizes)
{
    switch (topology) {
    case planeTopology:
        sizes.planeWidth = measures[0];
        sizes.planeHeight = measures[1];
        break;
    case discTopology: sizes.discRings = measures[0]; break;
    case sphereTopology: sizes.sphereRows = measures[0]; break;
    default: break;
    }
}

std::string sizeText(int topology, const WorldSizes& sizes)
{
    int measures[2];
    sizeMeasures(topology, sizes, measures);
    if (topology == planeTopology) return std::to_string(measures[0]) + "x" + std::to_string(measures[1]);
    return std::to_string(measures[0]);
}

std::string sizeRangeProblem(int topology, const WorldSizes& sizes)
{
    const auto outside = [](int value, int lowest, int highest) { return value < lowest || value > highest; };
    switch (topology) {
    case planeTopology:
        if (outside(sizes.planeWidth, smallestPlaneSide, largestPlaneSide) ||
            outside(sizes.planeHeight, smallestPlaneSide, largestPlaneSide))
            return "a " + sizeWords(topology, sizes) + " is out of range: width and height run from " +
                   std::to_string(smallestPlaneSide) + " to " + std::to_string(largestPlaneSide);
        return {};
    case discTopology:
        if (outside(sizes.discRings, fewestDiscRings, mostDiscRings))
            return "a " + sizeWords(topology, sizes) + " is out of range: rings run from " + std::to_string(fewestDiscRings) +
                   " to " + std::to_string(mostDiscRings);
        return {};
    case sphereTopology:
        if (outside(sizes.sphereRows, fewestSphereRows, mostSphereRows) || sizes.sphereRows % 2 == 0)
            return "a " + sizeWords(topology, sizes) + " is out of range: rows are an odd number from " +
                   std::to_string(fewestSphereRows) + " to " + std::to_string(mostSphereRows);
        return {};
    default: return "unknown topology " + std::to_string(topology);
    }
}

bool readWholeNumber(const std::string& text, int& number)
{
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos) return false;
    number = std::atoi(text.c_str());
    return true;
}

bool readPlaneSize(const std::string& text, WorldSizes& sizes)
{
    const std::size_t cross = text.find('x');
    int width = 0, height = 0;
    if (cross == std::string::npos || !readWholeNumber(text.substr(0, cross), width) ||
        !readWholeNumber(text.substr(cross + 1), height))
        return false;
    sizes.planeWidth = width;
    sizes.planeHeight = height;
    return true;
}

int sphereEquatorCells(int rows) { return 2 * (rows + 1); }

std::int64_t indexSpaceOf(int topology, const WorldSizes& sizes)
{
    switch (topology) {
    case planeTopology: return static_cast<std::int64_t>(sizes.planeWidth) * sizes.planeHeight;
    case discTopology: {
        // The longest ring is the outermost: as the disc lays its rings out.
        const std::int64_t rings = sizes.discRings;
        const std::int64_t step = static_cast<std::int64_t>(static_cast<float>(rings) * discTurn);
        return rings * ((rings - 1) * step / rings + 2);
    }
    case sphereTopology: return static_cast<std::int64_t>(sizes.sphereRows) * sphereEquatorCells(sizes.sphereRows);
    default: return 0;
    }
}

std::uint64_t worldBytesOf(int topology, const WorldSizes& sizes)
{
    const std::uint64_t perIndex = sizeof(Cell) + sizeof(LineageFrame) + latticeBytesPerIndex;
    return static_cast<std::uint64_t>(indexSpaceOf(topology, sizes)) * perIndex;
}

std::string memoryProblem(int topology, const WorldSizes& sizes)
{
    const std::uint64_t needed = worldBytesOf(topology, sizes);
    const std::uint64_t available = availableMemoryBytes();
    if (available == 0 || needed <= available) return {};
    return "a " + sizeWords(topology, sizes) + " would need " + gigabytes(needed) + " of memory, but only " +
           gigabytes(available) + " is free";
}

std::string sizeProblem(int topology, const WorldSizes& sizes)
{
    std::string problem = sizeRangeProblem(topology, sizes);
    return problem.empty() ? memoryProblem(topology, sizes) : problem;
}
