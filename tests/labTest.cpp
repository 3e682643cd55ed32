// The companion tools run as a researcher runs them, without a display: quillmoss-lab's command
// line, its reproducible tables, snapshots and saved worlds, quillmoss-terrain's pictures, and the
// refusals of both.
#include "desktop.h"
#include "digest.h"
#include "labOptions.h"
#include "pngFile.h"
#include "renderMode.h"
#include "world.h"
#include "worldFile.h"
#include "worldScenes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

class Tools : public testing::Test {
protected:
    void TearDown() override { shell("rm -rf '" + directory + "'"); }
    // Runs a tool; its exit code, with what it wrote to standard error (and output).
    int run(const std::string& tool, const std::string& arguments, std::string* output = nullptr)
    {
        const int status = std::system(
            ("env -u DISPLAY " + tool + " " + arguments + " >'" + directory + "/out' 2>'" + directory + "/errors'").c_str());
        errors = bytesOf(directory + "/errors");
        if (output) *output = bytesOf(directory + "/out");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    int lab(const std::string& arguments, std::string* output = nullptr) { return run(LAB_BINARY, arguments, output); }
    const std::string directory = shell("mktemp -d /tmp/quillmossLabXXXXXX | tr -d '\\n'");
    std::string errors;
};

// Parses a command line of words separated by spaces.
std::string parse(const std::string& line, LabOptions& options)
{
    std::istringstream words(line);
    std::vector<std::string> kept{"quillmoss-lab"};
    for (std::string word; words >> word;) kept.push_back(word);
    std::vector<const char*> argv;
    for (const std::string& word : kept) argv.push_back(word.c_str());
    return parseLabOptions(static_cast<int>(argv.size()), argv.data(), options);
}

TEST(LabOptions, EveryOptionIsReadAndEveryBadWordNamed)
{
    LabOptions options;
    ASSERT_EQ(
        parse("run --topology sphere --steps 250 --seed 4294967295 --pollution --human-rules --lineages --disaster-rate 0.25 "
              "--every 10 --out here --mode technology --inner None --save w.qmw",
              options),
        "");
    EXPECT_TRUE(options.command == LabCommand::run && options.topology == sphereTopology && options.steps == 250);
    EXPECT_TRUE(options.seed == 4294967295u && options.seedGiven && options.pollution && options.humanRules && options.lineages);
    EXPECT_TRUE(options.disasterRate == 0.25f && options.every == 10 && options.outDirectory == "here");
    EXPECT_TRUE(options.mode == technologyMode && options.inner == noneMode && options.saveFile == "w.qmw");
    ASSERT_EQ(parse("run --topology disc --steps 0", options), "");
    EXPECT_TRUE(options.disasterRate == 0.0f && options.every == 100 && options.mode == environmentMode) << "the defaults";
    EXPECT_EQ(parse("run --topology disc --steps 0 --disaster-rate 0", options), "");
    for (const char* help : {"help", "run --topology plane --help", "--help"}) {
        ASSERT_EQ(parse(help, options), "") << help;
        EXPECT_TRUE(options.command == LabCommand::help && options.helpText.find("--help") != std::string::npos) << help;
    }
    EXPECT_NE(options.helpText.find("Fitness Map"), std::string::npos) << "the render modes' names";
    ASSERT_EQ(parse("run --topology plane --topology disc --steps 9 --steps 010", options), "") << "the last one counts";
    EXPECT_TRUE(options.topology == discTopology && options.steps == 10) << "in decimal";
    const std::pair<std::string, std::string> refusals[] = {
        {"", "no command given (run, save or bench)"},
        {"walk", "unknown command \"walk\" (run, save or bench)"},
        {"run --topology torus --help", "--topology: unknown topology \"torus\" (plane, disc or sphere)"},
        {"run --topology plane --steps 12x", "--steps: needs a whole number from 0 to 2147483647, not \"12x\""},
        {"save --topology plane --steps 010x", "--steps: needs a whole number from 0 to 2147483647, not \"010x\""},
        {"run --topology plane", "run needs --steps N"},
        {"run --steps 5", "a new world needs --topology plane|disc|sphere"},
        {"run --topology plane --steps 5 --mode Sepia", "--mode: unknown render mode \"Sepia\" (see --help for the names)"},
        {"run --topology plane --steps 5 --disaster-rate nan", "--disaster-rate: needs a number from 0 to 1, not \"nan\""},
        {"run --topology plane --steps 5 --every 0", "--every: needs a whole number from 1 to 2147483647, not \"0\""},
        {"run --topology plane --steps 5 --seed 4294967296",
         "--seed: needs a whole number from 0 to 4294967295, not \"4294967296\""},
        {"run --topology plane --steps", "--steps needs a value"},
        {"run --topology plane --steps 5 --colour", "The following argument was not expected: --colour"},
        {"run --topology plane --steps 5 --out=", "--out needs a value"},
        {"run --load w.qmw --steps 5 --seed 3",
         "--load brings its own topology, seed, rules and disaster rate: leave those options out"},
        {"bench --seed 4", "The following arguments were not expected: 4 --seed"},
    };
    for (const auto& [line, reason] : refusals) EXPECT_EQ(parse(line, options), reason);
}

// Each run's table and pictures are held to their recorded bytes: the statistics, the snapshots
// drawn offscreen by the program's renderer, and the plot's data all come from one world.
TEST_F(Tools, ALabRunWritesTheRecordedTableAndSnapshotsAndContinuesExactly)
{
    Digest digest;
    for (const char* topology : {"plane", "disc", "sphere"}) {
        const std::string out = directory + "/" + topology;
        const std::string options =
            " --steps 60 --every 30 --seed 5 --lineages --disaster-rate 0.1 --mode Technology --inner Groups";
        ASSERT_EQ(lab(std::string("run --topology ") + topology + options + " --out " + out), 0) << errors;
        const std::string table = bytesOf(out + "/stats.csv");
        digest << std::hash<std::string>{}(table);
        EXPECT_EQ(readPng(out + "/world-000060.png").width, 740) << "a snapshot every 30 steps";
        EXPECT_GT(readPng(out + "/stats.png").width, 0) << "the plot";
    }
    EXPECT_EQ(digest.value, 0x5689600d616251full) << "the tables as recorded";

    const std::string options = " --every 25 --disaster-rate 0.2 --lineages";
    ASSERT_EQ(lab("run --topology sphere --seed 3 --steps 200 --out " + directory + "/whole" + options), 0) << errors;
    ASSERT_EQ(lab("save --topology sphere --seed 3 --steps 100 --disaster-rate 0.2 --lineages --save " + directory + "/half.qmw"),
              0);
    ASSERT_EQ(lab("run --load " + directory + "/half.qmw --steps 100 --every 25 --out " + directory + "/rest"), 0) << errors;
    const std::string whole = bytesOf(directory + "/whole/stats.csv"), rest = bytesOf(directory + "/rest/stats.csv");
    EXPECT_EQ(rest.substr(rest.find('\n')), whole.substr(whole.find("\n100,"))) << "a continued run gives the same numbers";
    EXPECT_EQ(bytesOf(directory + "/rest/world-000200.png"), bytesOf(directory + "/whole/world-000200.png"));
    const std::string onTerminal = shell("script -qec 'env -u DISPLAY " LAB_BINARY " run --topology plane --steps 40 --out " +
                                         directory + "/bar' /dev/null");
    EXPECT_NE(onTerminal.find("[" + std::string(40, '#') + "] 100%  step 40 of 40\r\n"), std::string::npos) << "a progress bar";
    std::string benchmark;
    ASSERT_EQ(lab("bench --steps 20", &benchmark), 0) << errors;
    for (const char* topology : {"plane ", "disc ", "sphere ", "steps/s"}) EXPECT_NE(benchmark.find(topology), std::string::npos);
}

TEST_F(Tools, WhatCannotBeDoneIsRefusedWithAReasonAndNothingWritten)
{
    std::string help;
    EXPECT_EQ(lab("run --help", &help), 0);
    for (const char* word : {"--steps N", "--every", "--inner", "--load FILE", "Fitness Map"})
        EXPECT_NE(help.find(word), std::string::npos) << word;
    for (const std::string arguments : {"", "walk", "run --topology plane --steps -3"}) {
        EXPECT_EQ(lab(arguments), 2) << arguments;
        EXPECT_EQ(errors.rfind("quillmoss-lab: ", 0), 0u) << errors;
        EXPECT_NE(errors.find("\nTry 'quillmoss-lab --help'"), std::string::npos) << errors;
    }
    std::ofstream(directory + "/plain") << "a file, not a directory";
    std::ofstream(directory + "/junk.qmw") << "not a world";
    for (const char* place :
         {" --topology plane --out /plain/inside", " --load /missing.qmw --out /out", " --load /junk.qmw --out /out"}) {
        std::string arguments = std::string("run --steps 1") + place;
        arguments.insert(arguments.find('/'), directory);
        EXPECT_EQ(lab(arguments), 1) << arguments;
        EXPECT_NE(errors.find(directory + "/"), std::string::npos) << "names the file: " << errors;
        EXPECT_NE(errors.find(std::strstr(place, "plain") ? "--out" : ".qmw"), std::string::npos) << errors;
    }
    growWorld(planeTopology, 1, 0);
    world.stepCount = std::numeric_limits<int>::max() - 5;
    std::string problem;
    ASSERT_TRUE(saveWorld(directory + "/old.qmw", problem)) << problem;
    world = World{};
    EXPECT_EQ(lab("run --load " + directory + "/old.qmw --steps 10 --out " + directory + "/out"), 1);
    EXPECT_NE(errors.find("the step counter would pass 2147483647"), std::string::npos) << errors;
    EXPECT_EQ(bytesOf(directory + "/out/stats.csv"), "") << "nothing written";
}

TEST_F(Tools, TheTerrainToolDrawsTheRecordedGroundOfEachTopologyAndRefusesWhatItCannotDraw)
{
    EXPECT_EQ(run(TERRAIN_TOOL, "--topology cube --seed 1 --out " + directory + "/x.png"), 2);
    EXPECT_EQ(errors.rfind("quillmoss-terrain: unknown topology 'cube'\nusage:", 0), 0u) << errors;
    EXPECT_EQ(run(TERRAIN_TOOL, "--topology plane --seed 1 --out " + directory + "/missing/deeper.png"), 1);
    EXPECT_NE(errors.find("deeper.png"), std::string::npos) << errors;
    Digest digest;
    for (int topology = 0; topology < topologyCount; ++topology) {
        const std::string path = directory + "/" + topologyNames[topology] + ".png";
        ASSERT_EQ(run(TERRAIN_TOOL,
                      std::string("--topology ") + topologyNames[topology] + " --seed 1733500000 --scale 3 --out " + path),
                  0)
            << errors;
        const Picture picture = readPng(path);  // the sphere as longitude against its rows
        digest << picture.width << picture.height;
        for (unsigned char byte : picture.rgba) digest << byte;
    }
    EXPECT_EQ(digest.value, 0x4599438b0bdf8b18ull);
}

}  // namespace
