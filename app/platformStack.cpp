// Raising the stack limit where a shell set it low.
#include "platformStack.h"

#include <sys/resource.h>

void reserveStack(std::size_t bytes)
{
    rlimit limit{};
    if (getrlimit(RLIMIT_STACK, &limit) != 0) return;
    if (limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= bytes) return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= bytes ? bytes : limit.rlim_max;
    setrlimit(RLIMIT_STACK, &limit);
}
