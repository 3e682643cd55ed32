// The main of benchmarks that draw: they bring their own Xvfb when DISPLAY is unset.
#include "virtualDisplay.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    const char* display = std::getenv("DISPLAY");
    if ((!display || !*display) && startVirtualDisplay().empty()) {
        std::fprintf(stderr, "DISPLAY is not set and Xvfb could not be started (make bench installs it)\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
