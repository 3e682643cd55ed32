// FNV-1a over the world's state.
#include "worldHash.h"

#include "world.h"

#include <cstring>

namespace {

constexpr std::uint64_t fnvOffset = 14695981039346656037ull;
constexpr std::uint64_t fnvPrime = 1099511628211ull;

template <typename Value>
void mix(std::uint64_t& hash, const Value& value)
{
    unsigned char bytes[sizeof(Value)];
    std::memcpy(bytes, &value, sizeof(Value));
    for (unsigned char byte : bytes) hash = (hash ^ byte) * fnvPrime;
}

void mixGroup(std::uint64_t& hash, const Group& group)
{
    mix(hash, group.id);
    mix(hash, group.field);
    mix(hash, group.center);
    mix(hash, group.deviation);
    mix(hash, group.colour.red);
    mix(hash, group.colour.green);
    mix(hash, group.colour.blue);
}

}  // namespace

std::uint64_t worldHash(const World& world)
{
    if (world.empty()) return 0;
    std::uint64_t hash = fnvOffset;
    mix(hash, world.topology);
    mix(hash, world.stepCount);
    mix(hash, world.nextGroupId);
    latticeCursor cursor;
    for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor)) {
        const Cell& cell = world.cells[index];
        mix(hash, index);
        for (float value : cell.field) mix(hash, value);
        mixGroup(hash, cell.group);
        mix(hash, cell.parent);
        mix(hash, cell.parentBirthStep);
        mix(hash, cell.birthStep);
    }
    return hash;
}
