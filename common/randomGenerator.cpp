// The linear congruential generator behind every random choice of the program.
#include "randomGenerator.h"

namespace generator {

namespace {
std::uint32_t generatorState = 1;
constexpr std::uint32_t multiplier = 214013u;
constexpr std::uint32_t increment = 2531011u;
}  // namespace

void seed(std::uint32_t value) { generatorState = value; }

std::uint32_t state() { return generatorState; }

void setState(std::uint32_t value) { generatorState = value; }

int rand()
{
    generatorState = generatorState * multiplier + increment;
    return static_cast<int>((generatorState >> 16) & 0x7fffu);
}

}  // namespace generator

double u() { return generator::rand() * 3.0518509e-5; }
