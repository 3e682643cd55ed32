// quillmoss-lab run as a researcher runs it, without a display: reproducible tables, snapshots,
// the plot, saved worlds that continue exactly, and clear refusals.
#include "childProcess.h"
#include "pngFile.h"
#include "world.h"
#include "worldFile.h"
#include "worldScenes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string bytesOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The rows of a table from a step on, header first.
std::string rowsFrom(const std::string& table, int step)
{
    const std::string header = table.substr(0, table.find('\n') + 1);
    const auto at = table.find("\n" + std::to_string(step) + ",");
    return at == std::string::npos ? "" : header + table.substr(at + 1);
}

class LabProgram : public testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quillmossLabXXXXXX";
        directory = mkdtemp(pattern);
    }
    void TearDown() override { runCommand("rm -rf '" + directory + "'"); }

    // Runs the lab without a display; returns its exit status, with its standard output and error.
    int lab(const std::string& arguments, std::string& errors, std::string* output = nullptr)
    {
        const std::string errorFile = directory + "/errors.txt";
        const std::string outputFile = directory + "/output.txt";
        const std::string command =
            "env -u DISPLAY " + std::string(LAB_BINARY) + " " + arguments + " >'" + outputFile + "' 2>'" + errorFile + "'";
        const int status = std::system(command.c_str());
        errors = bytesOf(errorFile);
        if (output) *output = bytesOf(outputFile);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string runInto(const std::string& name, const std::string& arguments)
    {
        std::string errors;
        EXPECT_EQ(lab("run " + arguments + " --out " + directory + "/" + name, errors), 0) << errors;
        return bytesOf(directory + "/" + name + "/stats.csv");
    }

    std::string directory;
};

TEST_F(LabProgram, ARunWritesTheTableSnapshotsAndPlotOnEveryTopology)
{
    for (const char* topology : {"plane", "disc", "sphere"}) {
        const std::string table =
            runInto(topology, std::string("--topology ") + topology + " --steps 60 --every 20 --seed 5 --lineages");
        ASSERT_EQ(table.substr(0, table.find('\n')),
                  "step,living_cells,total_population,technology_mean,technology_spread,groups,cultures,mean_fitness,lineages");
        EXPECT_EQ(table.find("\n0,6,0.600000,"), table.find('\n')) << "six seeded cells of Population 0.1 first";
        EXPECT_NE(table.find("\n60,"), std::string::npos);
        EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 5) << "the header and steps 0, 20, 40, 60";
        EXPECT_NE(table.back(), ',') << "the lineage column is filled";
        for (const char* step : {"000000", "000020", "000040", "000060"}) {
            const Picture snapshot = readPng(directory + "/" + topology + "/world-" + step + ".png");
            EXPECT_EQ(snapshot.width, 740) << topology << " " << step;
            EXPECT_EQ(snapshot.height, 740);
        }
        const Picture plot = readPng(directory + "/" + topology + "/stats.png");
        EXPECT_GT(plot.width, 0) << "stats.png of " << topology;
    }
}

TEST_F(LabProgram, TheSameSeedGivesTheSameBytesAndAnotherSeedOthers)
{
    const std::string options = "--topology disc --steps 150 --every 50 --disaster-rate 0.1 --pollution --human-rules";
    const std::string first = runInto("first", options + " --seed 11");
    EXPECT_EQ(runInto("again", options + " --seed 11"), first);
    EXPECT_TRUE(bytesOf(directory + "/again/world-000150.png") == bytesOf(directory + "/first/world-000150.png"));
    EXPECT_NE(runInto("other", options + " --seed 12"), first);
    EXPECT_NE(runInto("rules", "--topology disc --steps 150 --every 50 --disaster-rate 0.1 --seed 11"), first)
        << "the rules count";
}

TEST_F(LabProgram, AContinuedRunGivesTheUninterruptedRunsNumbers)
{
    const std::string options = " --every 25 --disaster-rate 0.2 --lineages";
    const std::string whole = runInto("whole", "--topology sphere --seed 3 --steps 200" + options);
    std::string errors;
    ASSERT_EQ(lab("save --topology sphere --seed 3 --steps 100 --disaster-rate 0.2 --lineages --save " + directory + "/half.qmw",
                  errors),
              0)
        << errors;
    const std::string rest = runInto("rest", "--load " + directory + "/half.qmw --steps 100 --every 25");
    EXPECT_EQ(rest, rowsFrom(whole, 100));
    EXPECT_TRUE(bytesOf(directory + "/rest/world-000200.png") == bytesOf(directory + "/whole/world-000200.png"));

    runInto("chained", "--topology sphere --seed 3 --steps 100 --save " + directory + "/chain.qmw" + options);
    EXPECT_TRUE(bytesOf(directory + "/chain.qmw") == bytesOf(directory + "/half.qmw"))
        << "run --save and save write the same world";
}

TEST_F(LabProgram, BadArgumentsAreRefusedWithAHint)
{
    for (const std::string arguments : {"", "walk", "run --topology torus --steps 5", "run --topology plane --steps -3",
                                        "run --topology plane --steps 5 --mode Sepia", "run --topology plane"}) {
        std::string errors;
        EXPECT_EQ(lab(arguments, errors), 2) << arguments;
        EXPECT_EQ(errors.rfind("quillmoss-lab: ", 0), 0u) << errors;
        EXPECT_NE(errors.find("Try 'quillmoss-lab --help'"), std::string::npos) << errors;
        EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 2) << "one line and the hint: " << errors;
    }
    std::string errors;
    std::string output;
    EXPECT_EQ(lab("--help", errors, &output), 0);
    for (const char* word : {"run", "save", "bench", "--topology", "--steps", "--seed", "--pollution", "--human-rules",
                             "--disaster-rate", "--every", "--out", "--mode", "--inner", "--load", "--save", "Fitness Map"})
        EXPECT_NE(output.find(word), std::string::npos) << word;
}

TEST_F(LabProgram, WhatCannotBeWrittenOrReadFailsClearly)
{
    std::string errors;
    std::ofstream(directory + "/plain") << "a file, not a directory";
    EXPECT_EQ(lab("run --topology plane --steps 1 --out " + directory + "/plain/inside", errors), 1);
    EXPECT_NE(errors.find(directory + "/plain"), std::string::npos) << errors;
    EXPECT_NE(errors.find("--out"), std::string::npos) << "a hint at the option: " << errors;

    EXPECT_EQ(lab("run --load " + directory + "/missing.qmw --steps 1 --out " + directory + "/out", errors), 1);
    EXPECT_NE(errors.find("missing.qmw"), std::string::npos) << errors;
    std::ofstream(directory + "/junk.qmw") << "not a world";
    EXPECT_EQ(lab("run --load " + directory + "/junk.qmw --steps 1 --out " + directory + "/out", errors), 1);
    EXPECT_NE(errors.find("junk.qmw"), std::string::npos) << errors;
    EXPECT_NE(access((directory + "/out/stats.csv").c_str(), F_OK), 0) << "nothing written from a world that did not load";

    growWorld(planeTopology, 1, 0);
    world.stepCount = std::numeric_limits<int>::max() - 5;
    std::string problem;
    ASSERT_TRUE(saveWorld(directory + "/old.qmw", problem)) << problem;
    world = World{};
    EXPECT_EQ(lab("run --load " + directory + "/old.qmw --steps 10 --out " + directory + "/out", errors), 1);
    EXPECT_NE(errors.find("the step counter would pass 2147483647"), std::string::npos) << errors;
    EXPECT_NE(access((directory + "/out").c_str(), F_OK), 0) << "nothing written";
    EXPECT_EQ(lab("run --load " + directory + "/old.qmw --steps 5 --every 5 --out " + directory + "/out", errors), 0) << errors;
}

TEST_F(LabProgram, BenchReportsEveryTopology)
{
    std::string errors;
    std::string output;
    ASSERT_EQ(lab("bench --steps 20", errors, &output), 0) << errors;
    for (const char* topology : {"plane ", "disc ", "sphere "}) EXPECT_NE(output.find(topology), std::string::npos) << output;
    EXPECT_NE(output.find("steps/s"), std::string::npos);
}

}  // namespace
