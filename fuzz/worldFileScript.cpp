// World files from bytes.
#include "fuzzScripts.h"
#include "simulationStep.h"
#include "world.h"
#include "worldFile.h"
#include "worldHash.h"
#include "worldInvariants.h"

#include <unistd.h>

#include <fstream>
#include <vector>

namespace {

constexpr int stepsAfterLoading = 3;
constexpr std::size_t checksumBytes = 8;

// Loads the bytes: refused with a reason and no world, or loaded with every parent a cell or none,
// and the invariants holding through a few steps.
std::string loadAndStep(const std::vector<std::uint8_t>& bytes, std::uint64_t& state)
{
    const std::string path = "/tmp/quillmoss-fuzz-world-" + std::to_string(getpid()) + ".qmw";
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    std::string reason;
    World world = loadWorld(path, reason);
    std::remove(path.c_str());
    if (!reason.empty()) {
        state = state * 31 + reason.size() - path.size();  // the reason, not the process number in the path
        return world.empty() ? "" : "a refused file gave a world";
    }
    if (world.empty()) return "a file refused without a reason";
    for (int index = 0; index < world.cellCount; ++index)
        if (world.cells[index].parent < -1 || world.cells[index].parent >= world.cellCount) return "a parent is not a cell";
    std::string broken = checkWorldInvariants(world, -1);
    for (int step = 0; broken.empty() && step < stepsAfterLoading; ++step) {
        simulationStep(world);
        broken = checkWorldInvariants(world, -1);
    }
    state = state * 31 + worldHash(world);
    return broken;
}

}  // namespace

std::vector<std::uint8_t> withChecksum(std::vector<std::uint8_t> bytes)
{
    if (bytes.size() < checksumBytes) return bytes;
    std::uint64_t hash = 14695981039346656037ull;
    const std::size_t body = bytes.size() - checksumBytes;
    for (std::size_t at = 0; at < body; ++at) hash = (hash ^ bytes[at]) * 1099511628211ull;
    for (std::size_t byte = 0; byte < checksumBytes; ++byte) bytes[body + byte] = static_cast<std::uint8_t>(hash >> (8 * byte));
    return bytes;
}

std::string runWorldFileScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state)
{
    std::uint64_t fingerprint = 0;
    const std::vector<std::uint8_t> bytes(data, data + size);
    std::string broken = loadAndStep(bytes, fingerprint);
    if (broken.empty()) broken = loadAndStep(withChecksum(bytes), fingerprint);
    if (state) *state = fingerprint;
    return broken;
}
