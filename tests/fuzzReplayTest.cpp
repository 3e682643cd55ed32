// The fuzzers' corpus and every input a fuzzer once broke on, replayed: world and notice scripts.
#include "noticeScript.h"
#include "worldScript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::filesystem::path> inputsOf(const std::string& target)
{
    std::vector<std::filesystem::path> inputs;
    for (const char* kind : {"corpus", "regressions"})
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(FUZZ_DIRECTORY) / kind / target))
            if (entry.is_regular_file() && entry.path().filename() != ".keep") inputs.push_back(entry.path());
    return inputs;
}

std::vector<std::uint8_t> bytesOf(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(FuzzReplay, WorldInputsKeepTheWorldsInvariants)
{
    const auto inputs = inputsOf("world");
    ASSERT_FALSE(inputs.empty());
    for (const auto& input : inputs) {
        const auto bytes = bytesOf(input);
        EXPECT_EQ(runWorldScript(bytes.data(), bytes.size()), "") << input;
    }
}

TEST(FuzzReplay, NoticeInputsGiveSafeNotices)
{
    const auto inputs = inputsOf("notice");
    ASSERT_FALSE(inputs.empty());
    for (const auto& input : inputs) {
        const auto bytes = bytesOf(input);
        EXPECT_EQ(runNoticeScript(bytes.data(), bytes.size()), "") << input;
    }
}

}  // namespace
