// The panel fuzzer's corpus and every input it once broke on, replayed on real windows.
#include "glTestContext.h"
#include "panelScript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

TEST(FuzzReplay, PanelInputsKeepTheToolkitsInvariants)
{
    initialiseGlut();
    int replayed = 0;
    for (const char* kind : {"corpus", "regressions"})
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FUZZ_DIRECTORY) / kind / "panel")) {
            if (!entry.is_regular_file() || entry.path().filename() == ".keep") continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            EXPECT_EQ(runPanelScript(bytes.data(), bytes.size()), "") << entry.path();
            ++replayed;
        }
    EXPECT_GT(replayed, 0);
}

}  // namespace
