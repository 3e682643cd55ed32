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

// Next integer in 0..randMax: state = state * 214013 + 2531011 (mod 2^32), bits 16..30 of the new state.
int rand();

}  // namespace generator

// One uniform draw in 0..1, both ends included: rand() / 32767.
float u();
