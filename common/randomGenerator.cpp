// The linear congruential generator behind every random choice of the program.
#include "randomGenerator.h"

namespace generator {

namespace detail {
std::uint32_t generatorState = 1;
}  // namespace detail

void seed(std::uint32_t value) { detail::generatorState = value; }

std::uint32_t state() { return detail::generatorState; }

void setState(std::uint32_t value) { detail::generatorState = value; }

}  // namespace generator
