// libFuzzer target: world operations.
#include "worldScript.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = runWorldScript(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "world invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
