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

    // One uniform draw: rand() * 3.0518509e-5, about rand() / 32767. It is a double, so in a
    // comparison the largest draw stays just below 1 (a disaster rate of 1 strikes every time),
    // while stored in a float it rounds to 1: 0 <= u() <= 1 wherever a value is kept.
    double u() { return rand() * 3.0518509e-5; }

private:
    static constexpr std::uint32_t multiplier = 214013u;
    static constexpr std::uint32_t increment = 2531011u;
    static constexpr std::uint32_t drawMask = 0x7fffu;
    static constexpr int drawShift = 16;

    std::uint32_t current = 1;
};
