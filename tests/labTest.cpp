// The companion tools run as a researcher runs them, without a display: quillmoss-lab's command
// line, its reproducible tables, snapshots and saved worlds, quillmoss-terrain's pictures, and the
// refusals of both.
#include "desktop.h"
#include "digest.h"
#include "labOptions.h"
#include "pngFile.h"
#include "renderMode.h"
#include "runTable.h"
#include "summaryPlot.h"
#include "sweepCollect.h"
#include "world.h"
#include "worldFile.h"
#include "worldScenes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <limits>
#include <numeric>
#include <set>
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
    EXPECT_EQ(options.command, LabCommand::run);
    EXPECT_EQ(options.topology, sphereTopology);
    EXPECT_EQ(options.steps, 250);
    EXPECT_EQ(options.seed, 4294967295u);
    EXPECT_TRUE(options.seedGiven);
    EXPECT_TRUE(options.pollution);
    EXPECT_TRUE(options.humanRules);
    EXPECT_TRUE(options.lineages);
    EXPECT_EQ(options.disasterRate, 0.25f);
    EXPECT_EQ(options.every, 10);
    EXPECT_EQ(options.outDirectory, "here");
    EXPECT_EQ(options.mode, technologyMode);
    EXPECT_EQ(options.inner, noneMode);
    EXPECT_EQ(options.saveFile, "w.qmw");
    ASSERT_EQ(parse("run --topology plane --steps 0 --plane-size 0160x120", options), "");
    EXPECT_EQ(sizeText(planeTopology, options.sizes.sizes), "160x120");
    EXPECT_TRUE(options.sizes.given[planeTopology]);
    ASSERT_EQ(parse("run --topology disc --steps 0", options), "");
    EXPECT_FALSE(options.sizes.any()) << "the default";
    EXPECT_EQ(options.disasterRate, 0.0f) << "the default";
    EXPECT_EQ(options.every, 100) << "the default";
    EXPECT_EQ(options.mode, environmentMode) << "the default";
    EXPECT_EQ(parse("run --topology disc --steps 0 --disaster-rate 0", options), "");
    for (const char* help : {"help", "run --topology plane --help", "--help"}) {
        ASSERT_EQ(parse(help, options), "") << help;
        EXPECT_EQ(options.command, LabCommand::help) << help;
        EXPECT_NE(options.helpText.find("--help"), std::string::npos) << help;
    }
    EXPECT_NE(options.helpText.find("Fitness Map"), std::string::npos) << "the render modes' names";
    ASSERT_EQ(parse("run --topology plane --topology disc --steps 9 --steps 010", options), "") << "the last one counts";
    EXPECT_EQ(options.topology, discTopology);
    EXPECT_EQ(options.steps, 10) << "in decimal";
    const std::pair<std::string, std::string> refusals[] = {
        {"", "no command given (run, save, sweep or bench)"},
        {"walk", "unknown command \"walk\" (run, save, sweep or bench)"},
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
        {"run --topology plane --steps 5 --movie m.avi", "--movie: needs a name ending in .mp4 or .webm"},
        {"sweep --topology plane --seeds 5-1 --steps 5 --out a", "--seeds: the range 5-1 runs backwards"},
        {"sweep --topology plane --seeds 1,2-3,3 --steps 5 --out a", "--seeds: seed 3 appears twice"},
        {"sweep --topology plane,, --seeds 1 --steps 5 --out a", "--topology: an empty value in the list \"plane,,\""},
        {"sweep --topology plane --pollution on,maybe --seeds 1 --steps 5 --out a",
         "--pollution: needs off or on, not \"maybe\""},
        {"sweep --topology plane --seeds 1 --steps 5", "sweep needs --out DIR, --plan DIR or --collect DIR"},
        {"sweep --topology plane --seeds 1 --out a", "a sweep needs --steps N"},
        {"sweep --topology plane --seeds 1 --steps 5 --out a --plan a", "--out excludes --plan"},
        {"sweep --collect a --seeds 1", "--collect reads the sweep from DIR/plan.txt: leave the sweep's options out"},
        {"sweep --topology plane --seeds 1 --steps 5 --plan a --redo-damaged", "--redo-damaged goes with --out DIR"},
        {"sweep --topology plane --seeds 1 --steps 5 --movie-format avi --out a",
         "--movie-format: needs mp4 or webm, not \"avi\""},
        {"sweep --collect /nowhere", "/nowhere/plan.txt: cannot open: No such file or directory"},
        {"run --topology plane --steps 5 --plane-size 4x80",
         "--plane-size: a plane of 4x80 cells is out of range: width and height run from 8 to 4096"},
        {"save --topology sphere --sphere-rows 80 --save w.qmw",
         "--sphere-rows: a sphere of 80 rows is out of range: rows are an odd number from 9 to 3627"},
        {"run --topology disc --steps 5 --disc-rings many", "--disc-rings: needs a whole number, not \"many\""},
        {"run --topology disc --steps 5 --plane-size 100x80", "--plane-size sizes a plane, not the run's disc"},
        {"run --load w.qmw --steps 5 --disc-rings 50",
         "--load brings its own size: leave --plane-size, --disc-rings and --sphere-rows out"},
        {"sweep --topology plane --plane-size 80x80,4x4 --seeds 1 --steps 5 --out a",
         "--plane-size: a plane of 4x4 cells is out of range: width and height run from 8 to 4096"},
        {"sweep --topology plane --disc-rings 40 --seeds 1 --steps 5 --out a",
         "--disc-rings: sizes a disc, but the sweep has none"},
    };
    for (const auto& [line, reason] : refusals) EXPECT_EQ(parse(line, options), reason);

    // A sweep file under the command line, which wins: one written form for each value, the seed fastest.
    const std::string file = testing::TempDir() + "sweep.txt";
    std::ofstream(file) << "topology = plane, disc  # the flat ones\n\n  seeds=1-3, 7\ndisaster-rate = 0.010, 0.5\nsteps = 9\n";
    ASSERT_EQ(parse("sweep --file " + file + " --topology sphere --steps 4 --every 2 --inner none --movies --out d", options),
              "");
    EXPECT_EQ(planText(options.sweep.plan),
              "# A Quillmoss sweep: quillmoss-lab sweep --file reads it back.\n"
              "topology = sphere\ndisaster-rate = 0.01, 0.5\npollution = off\nhuman-rules = off\n"
              "lineages = off\nseeds = 1-3, 7\nsteps = 4\nevery = 2\nmode = Environment\n"
              "inner = None\nmovies = on\nmovie-format = mp4\nfps = 10\n");
    const std::vector<SweepRun> runs = sweepRuns(options.sweep.plan);
    ASSERT_EQ(runs.size(), 8u);
    EXPECT_EQ(runs[5].number, 6);
    EXPECT_EQ(runs[5].setting[1], "0.5");
    EXPECT_EQ(runs[5].seed, 2u);
    EXPECT_EQ(recordedSteps(5, 25, 10), (std::vector<long long>{5, 10, 20, 25})) << "a loaded run's first and last steps too";
    const std::vector<std::string> arguments = runArguments(options.sweep.plan, runs[5], "d/runs/0006");
    EXPECT_EQ(std::accumulate(arguments.begin(), arguments.end(), std::string(),
                              [](auto line, auto word) { return line + word + " "; }),
              "run --topology sphere --seed 2 --disaster-rate 0.5 --steps 4 --every 2 --mode Environment --inner None "
              "--out d/runs/0006 --movie d/runs/0006/movie.mp4 --fps 10 ");
    for (const auto& [text, reason] : {std::pair{"seeds = 1\nsteps 5\n", ":2: not a line of the form key = value"},
                                       {"seeds = 1\n# a note\ncolour = red\n", ":3: unknown key \"colour\" (the keys are "},
                                       {"seeds = 1\nseeds = 2\n", ":2: seeds is given twice (first on line 1)"},
                                       {"topology = plane\nseeds = 3-1\n", ":2: seeds: the range 3-1 runs backwards"}}) {
        std::ofstream(file) << text;
        EXPECT_EQ(parse("sweep --file " + file + " --topology disc --steps 3 --out d", options).rfind(file + reason, 0), 0u)
            << reason;
    }
}

// The legend names a setting by the options that vary, a topology's size among them where it has
// several, and never an option past the last.
TEST(SweepLegend, NamesWhatVaries)
{
    SweepPlan plan;
    plan.lists = {{{"plane", "disc"}, {"0", "0.1"}, {"off"}, {"off", "on"}, {"off"}}};
    plan.sizes[planeTopology] = {"24x16", "32x16"};
    const struct {
        SweepRun run;
        const char* name;
    } cases[] = {{{1, {"plane", "0.1", "off", "on", "off"}, "24x16", 1}, "size 24x16, disaster rate 0.1, human rules on"},
                 {{2, {"disc", "0", "off", "off", "off"}, "40", 1}, "disaster rate 0, human rules off"}};
    for (const auto& [run, name] : cases) EXPECT_EQ(settingName(plan, run), name);
    plan.lists[1] = plan.lists[3] = {"0"};
    plan.sizes[planeTopology] = {"24x16"};
    EXPECT_EQ(settingName(plan, cases[0].run), "all runs");
}

// The summary's bands stay within what each statistic can be, and its lines stay apart and readable
// on white however many settings there are.
TEST(SummaryPlot, BandsKeepToTheirRangeAndLinesStayDistinct)
{
    const std::vector<SummaryPanel> panels = {{"groups", 0, HUGE_VAL}, {"mean fitness", 0, 1}};
    const std::string script =
        summaryScript({{"one", "plane", {{0, 2, 5, 0.9, 0.3}, {10, NAN, NAN, NAN, NAN}}}}, panels, "x.png");
    EXPECT_NE(script.find("\n0 2 0 7 0.9 0.6 1\n10 NaN NaN NaN NaN NaN NaN\n"), std::string::npos) << script;
    EXPECT_NE(script.find("plot $summary index 0 using 1:3:4 with filledcurves"), std::string::npos) << "its band drawn";
    std::set<std::pair<std::string, int>> styles;
    for (std::size_t at = 0; at < 24; ++at) {
        const LineStyle style = seriesStyle(at);
        styles.insert({style.colour, style.dash});
        double luminance = 0.0;  // relative luminance, as the contrast of text on a page is judged
        for (int channel = 0; channel < 3; ++channel) {
            const double value = std::stoi(style.colour.substr(1 + 2 * channel, 2), nullptr, 16) / 255.0;
            const double linear = value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
            luminance += linear * std::array{0.2126, 0.7152, 0.0722}[channel];
        }
        EXPECT_GE(1.05 / (luminance + 0.05), 3.0) << style.colour << " is too faint on white";
    }
    EXPECT_EQ(styles.size(), 24u) << "no two of the first 24 lines alike";
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
        digest << table;
        EXPECT_EQ(readPng(out + "/world-000060.png").width, 740) << "a snapshot every 30 steps";
        EXPECT_GT(readPng(out + "/stats.png").width, 0) << "the plot";
    }
    EXPECT_EQ(digest.value, 0xdc4930a426d6aeefull) << "the tables as recorded";

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
    // Programs a run needs are looked for before its first step: one line, and nothing made.
    shell("mkdir " + directory + "/tools && ln -s \"$(command -v gnuplot)\" " + directory + "/tools");
    const std::string withoutFfmpeg = "env PATH=" + directory + "/tools ";
    for (const auto& [command, missing] :
         {std::pair<std::string, std::string>{
              "env PATH=/nowhere " LAB_BINARY " sweep --topology plane --seeds 1 --steps 5 --out ", "gnuplot-nox"},
          {withoutFfmpeg + LAB_BINARY " sweep --topology plane --seeds 1 --steps 5 --movies --out ", "ffmpeg"},
          {withoutFfmpeg + LAB_BINARY " run --topology plane --steps 5 --movie m.mp4 --out ", "ffmpeg"}}) {
        EXPECT_EQ(run(command, directory + "/made"), 2) << command;
        EXPECT_EQ(errors, std::string("quillmoss-lab: ") + (missing[0] == 'g' ? "gnuplot" : "ffmpeg") +
                              " is not installed (Debian package " + missing + "): install it, or put it on PATH\n");
        EXPECT_TRUE(shell("ls " + directory + "/made 2>/dev/null").empty()) << command;
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
    World old = growWorld(planeTopology, 1, 0);
    old.stepCount = std::numeric_limits<int>::max() - 5;
    std::string problem;
    ASSERT_TRUE(saveWorld(old, directory + "/old.qmw", problem)) << problem;
    EXPECT_EQ(lab("run --load " + directory + "/old.qmw --steps 10 --out " + directory + "/out"), 1);
    EXPECT_NE(errors.find("the step counter would pass 2147483647"), std::string::npos) << errors;
    EXPECT_EQ(bytesOf(directory + "/out/stats.csv"), "") << "nothing written";
}

// A sweep run here two at a time, the same plan run by GNU Parallel (twice, as a resubmitted array
// is), a run replayed from its run.txt, and the sweep repaired after losing and damaging runs: the
// same tables, byte for byte. What is not this sweep's is refused by name.
TEST_F(Tools, ASweepGivesTheSameTablesHoweverItsRunsAreRun)
{
    const std::string sweep =
        "sweep --topology plane,disc --lineages off,on --disaster-rate 0.05 --seeds 1-2 --steps 20 "
        "--every 10 --movies --movie-format webm --fps 4";
    const std::string local = directory + "/local", planned = directory + "/planned";
    ASSERT_EQ(lab(sweep + " --workers 2 --out " + local), 0) << errors;
    const std::string table = bytesOf(local + "/sweep.csv"), summary = bytesOf(local + "/summary.csv");
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 25) << "the header and a row for each run and step";
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 13) << "the header and a row for each setting and step";
    EXPECT_EQ((Digest{} << table << summary).value, 0x945df7cb0958c4ceull) << "the tables as recorded";
    EXPECT_EQ(readPng(local + "/summary.png").width, 1200) << "a column of panels for each topology, and the legend's";
    EXPECT_FALSE(shell("ls " + local + "/runs/0008/movie.webm").empty());
    const std::string run7 = local + "/runs/0007", made = bytesOf(run7 + "/stats.csv");
    shell("rm " + run7 + "/world-000010.png && env -u DISPLAY sh -c \"$(sed -n 's/^command = //p' " + run7 + "/run.txt)\"");
    EXPECT_FALSE(bytesOf(run7 + "/world-000010.png").empty()) << "run 7 made again in full from its run.txt";
    EXPECT_EQ(bytesOf(run7 + "/stats.csv"), made) << "and the same";

    ASSERT_EQ(lab(sweep + " --plan " + planned), 0) << errors;
    EXPECT_EQ(bytesOf(planned + "/plan.txt"), bytesOf(local + "/plan.txt"));
    EXPECT_NE(bytesOf(planned + "/slurm.sh").find("#SBATCH --array=1-8\n"), std::string::npos);
    shell("parallel --will-cite -j 2 <" + planned + "/jobs.txt");
    ASSERT_EQ(lab("sweep --collect " + planned), 0) << errors;
    EXPECT_EQ(bytesOf(planned + "/sweep.csv"), table);
    EXPECT_EQ(bytesOf(planned + "/summary.csv"), summary);
    const std::string again = shell("parallel --will-cite -j 2 <" + planned + "/jobs.txt 2>&1");
    std::size_t skipped = 0;
    for (std::size_t at = 0; (at = again.find("holds this run whole already: nothing to do\n", at + 1)) != std::string::npos;)
        ++skipped;
    EXPECT_EQ(skipped, 8u) << "every job of jobs.txt again finds its run whole: " << again;
    EXPECT_EQ(std::count(again.begin(), again.end(), '\n'), 8) << "and says nothing more: " << again;

    shell("cd " + local +
          " && rm summary.png runs/0003/stats.csv && mv runs/0006/stats.csv runs/0006/stats.csv.partial && "
          "echo 30,1,1,1,1,1,1,1, >>runs/0001/stats.csv && truncate -s -2 runs/0004/stats.csv");
    EXPECT_EQ(lab("sweep --collect " + local), 2);
    const std::string repair = "; to run them (again) and keep the rest: quillmoss-lab sweep --file " + local +
                               "/plan.txt --out " + local + " --redo-damaged\n";
    EXPECT_EQ(errors,
              "quillmoss-lab: 4 of 8 runs are missing or damaged: runs/0001 (stats.csv line 5 is one more than the "
              "steps recorded), runs/0003 (no stats.csv), runs/0004 (stats.csv line 4 is cut short), runs/0006 "
              "(unfinished, no stats.csv yet)" +
                  repair);
    EXPECT_TRUE(bytesOf(local + "/summary.png").empty()) << "nothing written";
    EXPECT_EQ(lab(sweep + " --out " + local), 2) << "damaged runs are not run again unasked";
    EXPECT_NE(errors.find("2 of 8 runs are damaged: runs/0001"), std::string::npos) << errors;
    ASSERT_EQ(lab(sweep + " --workers 1 --redo-damaged --out " + local), 0) << errors;
    EXPECT_EQ(errors.substr(0, errors.find('\n')), "sweep: 4 of 8 runs done") << "only the missing and damaged runs run";
    EXPECT_EQ(bytesOf(local + "/sweep.csv"), table);
    EXPECT_EQ(bytesOf(local + "/summary.csv"), summary);

    EXPECT_EQ(lab("sweep --topology sphere --seeds 1 --steps 5 --out " + local), 2);
    EXPECT_NE(errors.find(local + " holds a different sweep"), std::string::npos) << errors;
    shell("cp -r " + local + " " + directory + "/moved && rm " + directory + "/moved/plan.txt");
    EXPECT_EQ(lab("sweep --topology plane,disc --lineages off,on --disaster-rate 0.1 --seeds 1-2 --steps 20 --every 10 --out " +
                  directory + "/moved"),
              2);
    EXPECT_NE(errors.find("8 of 8 runs were made with other settings than the plan: runs/0001 (made with disaster-rate 0.05, "
                          "not 0.1)"),
              std::string::npos)
        << errors;
    shell("cd " + planned + "/runs/0002 && rm stats.csv && mkdir stats.csv.partial");
    EXPECT_EQ(lab("sweep --file " + planned + "/plan.txt --out " + planned), 1) << "a run that fails";
    EXPECT_NE(errors.find("run 2 failed: cannot write " + planned + "/runs/0002/stats.csv.partial: Is a directory (see "),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("sweep: 7 of 8 runs done, 1 failed\n"), std::string::npos) << errors;
}

// A size given to save, run, sweep and the terrain tool builds the world at that size and is named
// wherever the run is recorded; a loaded world brings its own.
TEST_F(Tools, AWorldOfAnotherSizeIsSavedRunSweptAndDrawn)
{
    ASSERT_EQ(lab("save --topology disc --disc-rings 12 --seed 2 --steps 5 --save " + directory + "/small.qmw"), 0) << errors;
    std::string problem;
    EXPECT_EQ(loadWorld(directory + "/small.qmw", problem).sizes.discRings, 12) << problem;
    ASSERT_EQ(lab("run --load " + directory + "/small.qmw --steps 4 --every 2 --out " + directory + "/loaded"), 0) << errors;
    EXPECT_EQ(readPng(directory + "/loaded/world-000009.png").width, 740);
    ASSERT_EQ(
        lab("sweep --topology plane,disc --plane-size 16x16,24x24 --seeds 1 --steps 2 --every 2 --out " + directory + "/sweep"),
        0)
        << errors;
    const std::string table = bytesOf(directory + "/sweep/sweep.csv");
    EXPECT_EQ(table.rfind("run,topology,size,seed,disaster_rate,", 0), 0u) << table;
    for (const char* rows : {"\n1,plane,16x16,1,0,off,off,off,0,", "\n2,plane,24x24,1,0,off,off,off,0,", "\n3,disc,40,1,0,"})
        EXPECT_NE(table.find(rows), std::string::npos) << rows << " in " << table;
    EXPECT_EQ(std::count(table.begin(), table.end(), '\n'), 7) << "the header and two rows of each size";
    const std::string record = bytesOf(directory + "/sweep/runs/0002/run.txt");
    EXPECT_NE(record.find("\ntopology = plane\nsize = 24x24\nseed = 1\n"), std::string::npos) << record;
    EXPECT_NE(record.find(" run --topology plane --plane-size 24x24 --seed 1 "), std::string::npos) << record;
    ASSERT_EQ(run(TERRAIN_TOOL, "--topology sphere --sphere-rows 15 --seed 1 --scale 1 --out " + directory + "/s.png"), 0)
        << errors;
    EXPECT_EQ(readPng(directory + "/s.png").height, 15) << "a row of pixels for each row";
    for (const std::string& tool : {std::string(TERRAIN_TOOL " --topology plane --seed 1 --out x.png"),
                                    std::string(LAB_BINARY " run --topology plane --steps 1 --out x")}) {
        EXPECT_EQ(run(tool, "--plane-size 2x2"), 2) << tool;
        EXPECT_NE(errors.find("--plane-size: a plane of 2x2 cells is out of range"), std::string::npos) << errors;
    }
}

// A sweep stopped as a terminal or a scheduler stops it passes the signal on to its runs and waits
// for them; while it works, its directory is its own, and it runs no more runs at once than asked.
TEST_F(Tools, AStoppedSweepStopsItsRunsAndADirectoryHoldsOneSweep)
{
    std::ofstream(directory + "/stop.sh") << R"sh(
lab=$1 dir=$2 out=$dir/sweep
waitUntil() { for _ in $(seq 600); do eval "$1" && return; sleep 0.1; done; echo "timed out: $1"; pkill -KILL -f "$out"; }
partials() { ls $out/runs/*/stats.csv.partial 2>/dev/null | wc -l; }
sweep="sweep --topology sphere --seeds 1-3 --steps 1000000 --every 1000 --out $out"
($lab $sweep --workers 1 2>$dir/stopped & echo $! >$dir/pid; wait $!; echo $? >$dir/status) &
waitUntil '[ $(partials) = 1 ]'
timeout 60 $lab $sweep 2>&1 | sed "s/process $(cat $dir/pid)$/process SWEEP/"
pkill -KILL -f "$out/runs/0001$"
waitUntil '[ $(partials) = 2 ]'
echo "at once: $(pgrep -cf "$out/runs/")"
kill -INT $(cat $dir/pid)
waitUntil '[ -s $dir/status ]'
echo "status $(cat $dir/status), left $(pgrep -cf "$out/runs/"), tables $(partials) partial, $(ls $out/runs/*/stats.csv 2>/dev/null | wc -l) whole"
pkill -KILL -f "$out"
)sh";
    EXPECT_EQ(shell("bash " + directory + "/stop.sh " LAB_BINARY " " + directory),
              "quillmoss-lab: " + directory +
                  "/sweep is in use by process SWEEP\nat once: 1\n"
                  "status 130, left 0, tables 2 partial, 0 whole\n");
    EXPECT_EQ(bytesOf(directory + "/stopped"),
              "sweep: 0 of 3 runs done\nquillmoss-lab: run 1 failed: killed by signal 9 (see " + directory +
                  "/sweep/runs/0001/log.txt)\nsweep: 0 of 3 runs done, 1 failed\nquillmoss-lab: stopped by SIGINT: 1 run "
                  "left unfinished (stats.csv.partial); the same command goes on from there\n");
    EXPECT_EQ(bytesOf(directory + "/sweep/runs/0001/log.txt"), "quillmoss-lab sweep: run 1 ended: killed by signal 9\n");
}

// The snapshots as a video: as many frames, the same size and, away from edges that the colour
// subsampling blurs, the same colours. A run cut off leaves its video under the working name.
TEST_F(Tools, AMovieHoldsTheSnapshotsOfItsRun)
{
    EXPECT_EQ(
        shell("cd " + directory +
              " && (" LAB_BINARY " run --topology plane --steps 1000000 --every 5 --movie cut.mp4 --out cut 2>/dev/null & "
              "for _ in $(seq 600); do [ -e cut/world-000050.png ] && break; sleep 0.1; done; kill -9 $!; wait $!; ls cut.mp4*) "
              "2>/dev/null"),
        "cut.mp4.partial\n");
    for (const std::string kind : {"mp4", "webm"}) {
        const std::string movie = directory + "/run." + kind, out = directory + "/" + kind;
        ASSERT_EQ(lab("run --topology sphere --seed 3 --steps 40 --every 10 --fps 5 --movie " + movie + " --out " + out), 0)
            << errors;
        EXPECT_EQ(shell("ffprobe -v error -count_frames -show_entries stream=width,height,nb_read_frames -of csv=p=0 " + movie),
                  "740,740,5\n");
        const std::string frame = shell("ffmpeg -v error -i " + movie + " -vf 'select=eq(n\\,2)' -f rawvideo -pix_fmt rgb24 -");
        const Picture snapshot = readPng(out + "/world-000020.png");
        ASSERT_EQ(frame.size(), 740u * 740 * 3) << kind;
        int compared = 0, different = 0;
        for (int y = 6; y < 734; y += 8)
            for (int x = 6; x < 734; x += 8) {
                bool flat = true;
                for (int dy = -5; dy <= 5; ++dy)
                    for (int dx = -5; dx <= 5; ++dx)
                        flat = flat && !std::memcmp(snapshot.pixel(x + dx, y + dy), snapshot.pixel(x, y), 3);
                for (int channel = 0; flat && channel < 3; ++channel)
                    different += std::abs(static_cast<unsigned char>(frame[(y * 740 + x) * 3 + channel]) -
                                          snapshot.pixel(x, y)[channel]) > 12;
                compared += flat;
            }
        EXPECT_GT(compared, 300) << kind;
        EXPECT_EQ(different, 0) << kind;
    }
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
