// The program's one pseudo-random generator and the uniform draw built on it.
#pragma once

#include <cstdint>

namespace generator {

// Largest value rand() gives.
constexpr int randMax = 32767;

// Sets the state; the program seeds once at start with the calendar time in seconds.
void seed(std::uint32_t value);

// The whole state, so that a run can be saved and replayed exactly.
std::uint32_t state();
void setState(std::uint32_t value);

namespace detail {
// The state itself, here so that rand() inlines into the simulation step's inner loop.
extern std::uint32_t generatorState;
constexpr std::uint32_t multiplier = 214013u;
constexpr std::uint32_t increment = 2531011u;
constexpr std::uint32_t drawMask = 0x7fffu;
constexpr int drawShift = 16;
}  // namespace detail

// Next integer in 0..randMax: state = state * 214013 + 2531011 (mod 2^32), bits 16..30 of the new state.
inline int rand()
{
    detail::generatorState = detail::generatorState * detail::multiplier + detail::increment;
    return static_cast<int>((detail::generatorState >> detail::drawShift) & detail::drawMask);
}

}  // namespace generator

// One uniform draw: rand() * 3.0518509e-5, about rand() / 32767. It is a double, so in a
// comparison the largest draw stays just below 1 (a disaster rate of 1 strikes every time), while
// stored in a float it rounds to 1: 0 <= u() <= 1 wherever a value is kept.
inline double u() { return generator::rand() * 3.0518509e-5; }
