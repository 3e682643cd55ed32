// The stack limit is raised where a shell set it low.
#include "platformStack.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

TEST(PlatformStack, RaisesALowSoftLimit)
{
    const pid_t child = fork();
    if (child == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_STACK, &limit);
        limit.rlim_cur = 64 * 1024;
        setrlimit(RLIMIT_STACK, &limit);
        reserveStack(stackReserve);
        getrlimit(RLIMIT_STACK, &limit);
        const rlim_t expected = limit.rlim_max == RLIM_INFINITY || limit.rlim_max >= stackReserve ? stackReserve : limit.rlim_max;
        _exit(limit.rlim_cur == expected ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
