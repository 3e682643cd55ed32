// A libFuzzer target for the script FUZZ_SCRIPT names; it is built once per script.
#include "fuzzScripts.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = FUZZ_SCRIPT(data, size);
    if (broken.empty()) return 0;
    std::fprintf(stderr, "invariant broken: %s\n", broken.c_str());
    std::abort();
}
