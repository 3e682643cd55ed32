// The shortest decimal of a float.
#include "floatText.h"

#include <cstdio>
#include <cstdlib>

namespace {
constexpr int floatDigits = 9;  // enough for any float to come back exactly
}  // namespace

std::string shortestFloat(float value)
{
    char text[32];
    for (int digits = 1; digits <= floatDigits; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, static_cast<double>(value));
        if (std::strtof(text, nullptr) == value) break;
    }
    return text;
}
