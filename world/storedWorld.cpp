// Worlds whose cells are compressed with Zstandard.
#include "storedWorld.h"

#include <zstd.h>

#include <memory>
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

// Compressed a slice at a time, so that a large world's copy never needs a buffer as large as its
// cells beside them: what it holds is what the history counts.
std::vector<unsigned char> compressedBytes(const std::vector<Cell>& cells)
{
    const std::unique_ptr<ZSTD_CCtx, std::size_t (*)(ZSTD_CCtx*)> context(ZSTD_createCCtx(), ZSTD_freeCCtx);
    const std::size_t size = cells.size() * sizeof(Cell);
    if (!context || ZSTD_isError(ZSTD_CCtx_setParameter(context.get(), ZSTD_c_compressionLevel, compressionLevel)) ||
        ZSTD_isError(ZSTD_CCtx_setPledgedSrcSize(context.get(), size)))
        throw std::bad_alloc();
    ZSTD_inBuffer in{cells.data(), size, 0};
    std::vector<unsigned char> slice(ZSTD_CStreamOutSize()), out;
    for (std::size_t left = 1; left != 0;) {
        ZSTD_outBuffer buffer{slice.data(), slice.size(), 0};
        left = ZSTD_compressStream2(context.get(), &buffer, &in, ZSTD_e_end);
        if (ZSTD_isError(left)) throw std::bad_alloc();
        out.insert(out.end(), slice.begin(), slice.begin() + static_cast<std::ptrdiff_t>(buffer.pos));
    }
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
