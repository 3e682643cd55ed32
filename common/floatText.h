// Floats written as people write them.
#pragma once

#include <string>

// The shortest text that reads back as the same float, so that 0.01 stays "0.01".
std::string shortestFloat(float value);
