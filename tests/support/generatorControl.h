// Steering the generator in tests: states that make a chosen value come next, and draw counting.
#pragma once

#include "randomGenerator.h"

#include <cstdint>

// The state after which rand() returns value; lowBits (0..65535) picks one of the many such states.
inline std::uint32_t stateBefore(int value, std::uint32_t lowBits = 0)
{
    const std::uint32_t multiplier = 214013u;
    std::uint32_t inverse = multiplier;  // Newton's iteration for the inverse modulo 2^32
    for (int round = 0; round < 5; ++round) inverse *= 2u - multiplier * inverse;
    const std::uint32_t next = (static_cast<std::uint32_t>(value) << 16) | (lowBits & 0xffffu);
    return (next - 2531011u) * inverse;
}

// How many rand() calls lead from state from to state to; -1 when not within limit calls.
inline int drawsBetween(std::uint32_t from, std::uint32_t to, int limit = 100000)
{
    const std::uint32_t saved = generator::state();
    generator::setState(from);
    int draws = 0;
    while (generator::state() != to && draws <= limit) {
        generator::rand();
        ++draws;
    }
    generator::setState(saved);
    return draws <= limit ? draws : -1;
}

#include <functional>
#include <vector>

// The next count values rand() would give from state, without disturbing the generator.
inline std::vector<int> peekDraws(std::uint32_t state, int count)
{
    const std::uint32_t saved = generator::state();
    generator::setState(state);
    std::vector<int> draws;
    for (int draw = 0; draw < count; ++draw) draws.push_back(generator::rand());
    generator::setState(saved);
    return draws;
}

// The value u() makes of a rand() value, as a float keeps it.
inline float uniformOf(int draw) { return static_cast<float>(draw * 3.0518509e-5); }

// The first state, going through the seeds 1, 2, 3, ..., whose next count draws satisfy wanted.
inline std::uint32_t findState(int count, const std::function<bool(const std::vector<int>&)>& wanted)
{
    for (std::uint32_t seed = 1;; ++seed)
        if (wanted(peekDraws(seed, count))) return seed;
}
