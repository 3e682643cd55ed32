// libFuzzer target: the about notice's text.
#include "noticeScript.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string broken = runNoticeScript(data, size);
    if (!broken.empty()) {
        std::fprintf(stderr, "notice invariant broken: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
