// The fuzzers' scripts replayed on the inputs they keep (their corpus and every input one of them
// once broke on) and on inputs drawn from a fixed seed, the same on every machine.
#pragma once

#include "digest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

using FuzzInput = std::vector<std::uint8_t>;

inline std::vector<FuzzInput> drawnInputs(int count, std::size_t length)
{
    std::mt19937 draw(20261207u);
    std::vector<FuzzInput> inputs(count, FuzzInput(length));
    for (FuzzInput& input : inputs)
        for (std::uint8_t& byte : input) byte = static_cast<std::uint8_t>(draw() >> 24);
    return inputs;
}

// The fingerprint of the states the script leaves; every input must keep the script's invariants.
template <typename Script>
std::uint64_t replay(const std::string& script, Script run, int drawn, std::size_t length)
{
    std::vector<FuzzInput> inputs = drawnInputs(drawn, length);
    for (const char* kind : {"corpus", "regressions"}) {
        // By name: a directory lists its files in whatever order its file system keeps them.
        std::vector<std::filesystem::path> files(
            std::filesystem::directory_iterator(std::filesystem::path(FUZZ_DIRECTORY) / kind / script), {});
        std::sort(files.begin(), files.end());
        for (const auto& path : files) {
            std::ifstream file(path, std::ios::binary);
            if (path.filename() != ".keep")
                inputs.emplace_back(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
        }
    }
    Digest digest;
    for (const FuzzInput& input : inputs) {
        std::uint64_t state = 0;
        EXPECT_EQ(run(input.data(), input.size(), &state), "") << script << " input of " << input.size() << " bytes";
        digest << state;
    }
    return digest.value;
}
