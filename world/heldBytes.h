// The memory a history holds, counted by its blocks themselves: each block adds its bytes to the
// count it was made with for as long as it lives, so a block shared by many copies counts once.
#pragma once

#include <cstddef>
#include <memory>

// The running total of one history's blocks, shared with each of them.
using ByteCount = std::shared_ptr<std::size_t>;

class HeldBytes {
public:
    HeldBytes(ByteCount count, std::size_t bytes) : count(std::move(count)), bytes(bytes) { *this->count += bytes; }
    ~HeldBytes() { *count -= bytes; }
    HeldBytes(const HeldBytes&) = delete;
    HeldBytes& operator=(const HeldBytes&) = delete;

private:
    ByteCount count;
    std::size_t bytes;
};
