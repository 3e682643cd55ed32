// Worlds whose cells are compressed with Zstandard.
#include "storedWorld.h"

#include <zstd.h>

#include <new>
#include <type_traits>

namespace {

// Zstandard's fastest ordinary level: a keyframe is stored every few steps while the world runs.
constexpr int compressionLevel = 1;

static_assert(std::is_trivially_copyable_v<Cell>, "a cell is its bytes");
static_assert(sizeof(Cell) == 2 * cellFieldCount * sizeof(float) + 2 * sizeof(Group) + 5 * sizeof(std::int32_t),
              "a cell has no padding: every byte compressed is a value");

// The world's cells and work stack are lent out while the rest is copied, so that a keyframe
// never copies the cells it compresses; the copy of what is left allocates nothing.
World withoutCells(World& world)
{
    std::vector<Cell> cells;
    std::vector<LineageFrame> stack;
    cells.swap(world.cells);
    stack.swap(world.lineageStack);
    World frame = world;
    cells.swap(world.cells);
    stack.swap(world.lineageStack);
    return frame;
}

std::vector<unsigned char> compressedBytes(const std::vector<Cell>& cells)
{
    const std::size_t size = cells.size() * sizeof(Cell);
    std::vector<unsigned char> out(ZSTD_compressBound(size));
    const std::size_t length = ZSTD_compress(out.data(), out.size(), cells.data(), size, compressionLevel);
    if (ZSTD_isError(length)) throw std::bad_alloc();
    out.resize(length);
    out.shrink_to_fit();
    return out;
}

}  // namespace

StoredWorld::StoredWorld(World& world, const ByteCount& count)
    : frame(withoutCells(world)),
      compressedCells(compressedBytes(world.cells)),
      held(count, sizeof(StoredWorld) + compressedCells.capacity())
{
}

World StoredWorld::restored() const
{
    World world = frame;
    world.cells.resize(static_cast<std::size_t>(frame.cellCount));
    world.lineageStack.resize(world.cells.size());
    const std::size_t size = world.cells.size() * sizeof(Cell);
    if (size > 0) ZSTD_decompress(world.cells.data(), size, compressedCells.data(), compressedCells.size());
    return world;
}
