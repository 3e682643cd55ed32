// quillmoss-terrain run as a person runs it: the pictures it writes and the requests it refuses.
#include "childProcess.h"
#include "environment.h"
#include "modeColours.h"
#include "pngFile.h"
#include "randomGenerator.h"
#include "world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

class TerrainPicture : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillmossTerrainXXXXXX";
        directory = mkdtemp(pattern);
    }
    void TearDown() override
    {
        runCommand("rm -rf '" + directory + "'");
        world = World{};
    }

    // Runs the tool; returns its exit status, with its standard error in errors.
    int run(const std::string& arguments, std::string& errors)
    {
        const std::string errorFile = directory + "/errors.txt";
        const int status = std::system((std::string(TERRAIN_TOOL) + " " + arguments + " 2>'" + errorFile + "'").c_str());
        errors = bytesOf(errorFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::string directory;
};

TEST_F(TerrainPicture, PlaneIsTheGroundRampCellByCell)
{
    const std::string path = directory + "/plane.png";
    std::string errors;
    ASSERT_EQ(run("--topology plane --seed 1733500000 --scale 3 --out " + path, errors), 0) << errors;
    const Picture picture = readPng(path);
    ASSERT_EQ(picture.width, 240);
    ASSERT_EQ(picture.height, 240);

    generator::seed(1733500000u);
    ASSERT_EQ(setTopology(planeTopology), 1);
    for (int row = 0; row < 80; ++row)
        for (int column = 0; column < 80; ++column) {
            const Colour expected = environmentRamp(world.cells[row * 80 + column].field[environmentField]);
            // Row 0 of the grid lies at the bottom of the picture.
            const unsigned char* shown = picture.pixel(column * 3 + 1, (79 - row) * 3 + 1);
            ASSERT_EQ(shown[0], std::lround(expected.red * 255.0f)) << column << ", " << row;
            ASSERT_EQ(shown[1], std::lround(expected.green * 255.0f)) << column << ", " << row;
            ASSERT_EQ(shown[2], std::lround(expected.blue * 255.0f)) << column << ", " << row;
            ASSERT_EQ(shown[3], 255);
        }
}

TEST_F(TerrainPicture, DiscAndSphereMapsHaveTheirShapes)
{
    std::string errors;
    ASSERT_EQ(run("--topology disc --seed 5 --scale 2 --out " + directory + "/disc.png", errors), 0) << errors;
    const Picture disc = readPng(directory + "/disc.png");
    ASSERT_EQ(disc.width, 160);
    ASSERT_EQ(disc.height, 160);
    EXPECT_EQ(disc.pixel(0, 0)[3], 0) << "transparent around the disc";
    EXPECT_EQ(disc.pixel(80, 80)[3], 255);
    EXPECT_EQ(disc.pixel(80, 80)[2], 255) << "the central plateau is high ground";

    ASSERT_EQ(run("--topology sphere --seed 5 --scale 2 --out " + directory + "/sphere.png", errors), 0) << errors;
    const Picture sphere = readPng(directory + "/sphere.png");
    EXPECT_EQ(sphere.width, 320);
    EXPECT_EQ(sphere.height, 158);
    for (size_t alpha = 3; alpha < sphere.rgba.size(); alpha += 4) ASSERT_EQ(sphere.rgba[alpha], 255);
}

TEST_F(TerrainPicture, SameSeedSamePictureOtherSeedAnother)
{
    std::string errors;
    for (const char* name : {"a", "b"})
        ASSERT_EQ(run("--topology sphere --seed 42 --out " + directory + "/" + name + ".png", errors), 0) << errors;
    ASSERT_EQ(run("--topology sphere --seed 1765000000 --out " + directory + "/c.png", errors), 0) << errors;
    EXPECT_EQ(bytesOf(directory + "/a.png"), bytesOf(directory + "/b.png"));
    EXPECT_NE(bytesOf(directory + "/a.png"), bytesOf(directory + "/c.png"));
}

TEST_F(TerrainPicture, BadRequestsAreRefusedWithAReason)
{
    const std::string out = directory + "/refused.png";
    const std::pair<std::string, std::string> refusals[] = {
        {"--topology cube --seed 1 --out " + out, "unknown topology 'cube'"},
        {"--topology plane --out " + out, "--seed is required"},
        {"--topology plane --seed -4 --out " + out, "seed must be"},
        {"--topology plane --seed 99999999999 --out " + out, "seed must be"},
        {"--topology plane --seed 1 --scale 0 --out " + out, "scale must be 1..64"},
        {"--topology plane --seed 1 --scale 1000000 --out " + out, "scale must be 1..64"},
        {"--topology plane --seed 1", "--out is required"},
        {"--topology", "missing value after --topology"},
        {"--colour red", "unknown option --colour"},
    };
    for (const auto& [arguments, reason] : refusals) {
        std::string errors;
        EXPECT_EQ(run(arguments, errors), 2) << arguments;
        EXPECT_NE(errors.find(reason), std::string::npos) << arguments << " said: " << errors;
        EXPECT_NE(errors.find("usage:"), std::string::npos);
    }
    EXPECT_NE(access(out.c_str(), F_OK), 0) << "nothing written";

    std::string errors;
    EXPECT_EQ(run("--topology plane --seed 1 --out " + directory + "/missing/deeper.png", errors), 1);
    EXPECT_NE(errors.find("deeper.png"), std::string::npos) << errors;
}

}  // namespace
