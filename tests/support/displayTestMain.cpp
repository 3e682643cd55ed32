// The main of every test program that needs a display: brings its own Xvfb when DISPLAY is unset.
#include "virtualDisplay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {
bool haveDisplay()
{
    const char* display = std::getenv("DISPLAY");
    return display && *display;
}
}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (testing::GTEST_FLAG(list_tests) || haveDisplay()) return RUN_ALL_TESTS();

    if (startVirtualDisplay().empty()) {
        std::fprintf(stderr, "DISPLAY is not set and Xvfb could not be started (make test installs it)\n");
        return 1;
    }
    return RUN_ALL_TESTS();
}
