// The platform's stack limit for the main thread.
#pragma once

#include <cstddef>

// The stack the program asks for: the terrain flood recurses over a thousand levels deep and
// needs about a hundred kilobytes; this is many times that.
inline constexpr std::size_t stackReserve = 8u * 1024u * 1024u;

// Raises the soft stack limit to at least bytes, as far as the hard limit allows. The main
// thread's stack grows on demand up to the current soft limit, so this takes effect at once.
void reserveStack(std::size_t bytes);
