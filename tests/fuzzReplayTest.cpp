// The fuzzers' inputs replayed, and many more drawn from a seed: the world, world files and the
// about notice keep their invariants, and the worlds they leave are as recorded.
#include "fuzzInputs.h"
#include "fuzzScripts.h"

#include <gtest/gtest.h>

namespace {

TEST(FuzzReplay, WorldWorldFileAndNoticeScriptsKeepTheirInvariantsAndLeaveTheRecordedStates)
{
    const auto world = [](const std::uint8_t* data, std::size_t size, std::uint64_t* state) {
        return runWorldScript(data, size, state);
    };
    EXPECT_EQ(replay("world", world, 300, 160), 0x8cc0769798f0e620ull);
    EXPECT_EQ(replay("notice", runNoticeScript, 50, 3000), 0x7ee3347aa35d7a50ull);
    EXPECT_EQ(replay("worldFile", runWorldFileScript, 20, 600), 0x5851fd236877462bull)
        << "the saved worlds load, step and stay sound";
}

// make soak: one script of 300,000 operations, steps, touches, disasters and new worlds among
// them, with the invariants checked after each; too long for the default run.
TEST(FuzzReplay, DISABLED_SoakKeepsTheWorldSound)
{
    const FuzzInput script = drawnInputs(1, 2400000)[0];
    EXPECT_EQ(runWorldScript(script.data(), script.size(), nullptr, 300000), "");
}

}  // namespace
