// Worlds compressed with zlib.
#include "storedWorld.h"

#include "worldFile.h"

#include <zlib.h>

#include <new>

namespace {

// The fastest level: a keyframe is stored every few steps while the world runs, and the fastest
// level already gains most of what the slowest would.
constexpr int compressionLevel = 1;

std::vector<unsigned char> compressedBytes(const std::vector<unsigned char>& bytes)
{
    uLongf length = compressBound(bytes.size());
    std::vector<unsigned char> out(length);
    if (compress2(out.data(), &length, bytes.data(), bytes.size(), compressionLevel) != Z_OK) throw std::bad_alloc();
    out.resize(length);
    out.shrink_to_fit();
    return out;
}

}  // namespace

StoredWorld::StoredWorld(const World& world, const ByteCount& count) : StoredWorld(worldFileBytes(world), count) {}

StoredWorld::StoredWorld(const std::vector<unsigned char>& bytes, const ByteCount& count)
    : compressed(compressedBytes(bytes)), size(bytes.size()), held(count, sizeof(StoredWorld) + compressed.capacity())
{
}

World StoredWorld::restored() const
{
    std::vector<unsigned char> bytes(size);
    uLongf length = size;
    if (uncompress(bytes.data(), &length, compressed.data(), compressed.size()) != Z_OK || length != size) return World{};
    std::string error;
    return worldFromFileBytes(bytes, error);
}
