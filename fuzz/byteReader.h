// Reading numbers of every kind, the odd ones included, from a fuzzer's bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Hands out the input's bytes in order; past the end every read gives zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : at(data), left(size) {}

    bool done() const { return left == 0; }
    std::uint8_t byte()
    {
        if (left == 0) return 0;
        --left;
        return *at++;
    }
    // A small int in [low, low + span).
    int small(int low, int span) { return low + byte() % span; }
    std::int32_t int32() { return raw<std::int32_t>(); }
    // Any float: infinities and NaNs included.
    float anyFloat() { return raw<float>(); }
    // Mostly ordinary values with a share of the extreme ones.
    float someFloat()
    {
        switch (byte() % 4) {
        case 0: return anyFloat();
        case 1: return static_cast<float>(small(-2, 5));
        default: return static_cast<float>(byte()) / 255.0f * 1.5f - 0.25f;
        }
    }
    // An index: near the cells, or anything at all.
    std::int32_t index(int cells)
    {
        if (byte() % 3 == 0) return int32();
        // One read per statement: the fuzzer (clang) and the replaying tests (g++) must agree.
        const int near = small(-2, 4);
        const unsigned high = byte();
        const unsigned low = byte();
        return near + (cells > 0 ? static_cast<int>((high * 256u + low) % static_cast<unsigned>(cells + 2)) : 0);
    }

private:
    template <typename Value>
    Value raw()
    {
        unsigned char bytes[sizeof(Value)];
        for (unsigned char& part : bytes) part = byte();
        Value value;
        std::memcpy(&value, bytes, sizeof value);
        return value;
    }

    const std::uint8_t* at;
    std::size_t left;
};
