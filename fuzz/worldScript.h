// Fuzzing the world: a byte stream decoded into world operations, with the world's invariants
// checked after each one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Runs the operations the bytes describe on a fresh world; returns what broke, or "" when every
// invariant held throughout.
std::string runWorldScript(const std::uint8_t* data, std::size_t size);

// The world's invariants: iteration visits exactly the real cells, in increasing order; the
// selection is a real cell or none; no field of a real cell is infinite or NaN.
std::string checkWorldInvariants();
