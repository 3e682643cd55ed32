// A fingerprint of many values, so that a test can hold a long computation to its recorded result.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

// FNV-1a over the bytes of each value mixed in.
struct Digest {
    std::uint64_t value = 14695981039346656037ull;

    template <typename Value>
    Digest& operator<<(const Value& item)
    {
        static_assert(std::is_trivially_copyable_v<Value>);
        unsigned char bytes[sizeof(Value)];
        std::memcpy(bytes, &item, sizeof(Value));
        for (unsigned char byte : bytes) value = (value ^ byte) * 1099511628211ull;
        return *this;
    }

    Digest& operator<<(const std::string& text)
    {
        for (char byte : text) *this << byte;
        return *this;
    }
};
