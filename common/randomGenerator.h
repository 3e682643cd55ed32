// The pseudo-random generator behind every random choice of a world, and the uniform draw built on it.
#pragma once

#include <cstdint>

// A linear congruential generator. Each world owns one, so that a world's future depends on its
// own state alone: copying the world copies the generator, and worlds never draw from each other.
class RandomGenerator {
public:
    // Largest value rand() gives.
    static constexpr int randMax = 32767;

    RandomGenerator() = default;
    explicit RandomGenerator(std::uint32_t seed) : current(seed) {}

    // Sets the state; a new world is seeded once, with the calendar time in seconds unless told otherwise.
    void seed(std::uint32_t value) { current = value; }

    // The whole state, so that a run can be saved and replayed exactly.
    std::uint32_t state() const { return current; }
    void setState(std::uint32_t value) { current = value; }

    // Next integer in 0..randMax: state = state * 214013 + 2531011 (mod 2^32), bits 16..30 of the new state.
    int rand()
    {
        current = current * multiplier + increment;
        return static_cast<int>((current >> drawShift) & drawMask);
    }

    // A whole number in 0..count-1 (count > 0): rand() % count for a count up to randMax + 1, as every
    // world of the default sizes draws; for a larger count rand() alone would reach only its first
    // randMax + 1 numbers, so two draws make a 30-bit number first.
    int below(int count)
    {
        if (count <= randMax + 1) return rand() % count;
        const int high = rand();
        return static_cast<int>(((static_cast<std::uint32_t>(high) << drawBits) | static_cast<std::uint32_t>(rand())) %
                                static_cast<std::uint32_t>(count));
    }

    // One uniform draw: rand() * 3.0518509e-5, about rand() / 32767. It is a double, so in a
    // comparison the largest draw stays just below 1 (a disaster rate of 1 strikes every time),
    // while stored in a float it rounds to 1: 0 <= u() <= 1 wherever a value is kept.
    double u() { return rand() * 3.0518509e-5; }

private:
    static constexpr std::uint32_t multiplier = 214013u;
    static constexpr std::uint32_t increment = 2531011u;
    static constexpr std::uint32_t drawMask = 0x7fffu;
    static constexpr int drawShift = 16;
    static constexpr int drawBits = 15;

    std::uint32_t current = 1;
};
