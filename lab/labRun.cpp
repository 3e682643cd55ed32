// Runs at full speed: the world built or loaded, its numbers and pictures written as it goes.
#include "labRun.h"

#include "camera.h"
#include "directories.h"
#include "movieWriter.h"
#include "offscreenContext.h"
#include "progressBar.h"
#include "randomGenerator.h"
#include "renderSettings.h"
#include "simulationStep.h"
#include "statsPlot.h"
#include "world.h"
#include "worldFile.h"
#include "worldScenes.h"
#include "worldSettings.h"
#include "worldSnapshot.h"
#include "worldStatistics.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <limits>

namespace {

int fail(const std::string& problem)
{
    std::fprintf(stderr, "quillmoss-lab: %s\n", problem.c_str());
    return 1;
}

// An --out the run cannot write to is a bad argument too: the hint points at the option.
int failOnOutput(const std::string& problem)
{
    std::fprintf(stderr, "quillmoss-lab: %s\nChoose a writable directory with --out DIR; see 'quillmoss-lab --help'.\n",
                 problem.c_str());
    return 1;
}

// A new world from the options, or the saved one; "" when it stands.
std::string prepareWorld(const LabOptions& options)
{
    std::string problem;
    if (!options.loadFile.empty()) return loadWorld(options.loadFile, problem) ? "" : problem;
    pollutionOn = options.pollution;
    humanRulesOn = options.humanRules;
    lineageOn = options.lineages;
    disasterRate = options.disasterRate;
    std::uint32_t seed = options.seed;
    if (!options.seedGiven) {
        seed = static_cast<std::uint32_t>(std::time(nullptr));
        std::fprintf(stderr, "quillmoss-lab: seed %u\n", static_cast<unsigned>(seed));
    }
    growWorld(options.topology, seed, 0);
    return world.currentLattice ? "" : "could not build the world";
}

bool rowDue(long long step, long long first, long long last, long long every)
{
    return step == first || step == last || step % every == 0;
}

// The table, the pictures and the movie of one run, written as the steps go. The table is written
// under a working name and takes its own only when everything else is done, so that a stats.csv
// is always a finished run's.
class RunRecord {
public:
    explicit RunRecord(const LabOptions& options)
        : directory(options.outDirectory), movieFile(options.movieFile), fps(static_cast<int>(options.fps))
    {
    }

    std::string open()
    {
        const std::string made = makeDirectory(directory);
        if (!made.empty()) return made;
        table.open(workingPath(), std::ios::binary | std::ios::trunc);
        if (!table) return "cannot write " + workingPath() + ": " + std::strerror(errno);
        table << statisticsHeader();
        return movieFile.empty() ? "" : movie.open(movieFile, snapshotSize, snapshotSize, fps);
    }

    std::string record()
    {
        table << statisticsRow(measureWorld());
        const Picture snapshot = drawSnapshot();
        const std::string picture = snapshotPath(directory, world.stepCount);
        if (!table || !writePng(snapshot, picture)) return "cannot write " + (table ? picture : workingPath());
        return movieFile.empty() ? "" : movie.add(snapshot);
    }

    std::string finish()
    {
        table.close();
        if (!table) return "cannot write " + workingPath();
        std::string problem = movie.finish();
        if (problem.empty()) problem = plotStatistics(workingPath(), directory + "/stats.png", lineageRuleOn());
        return problem;
    }

    // Gives the table its own name: the run is finished.
    std::string publish()
    {
        if (std::rename(workingPath().c_str(), (directory + "/stats.csv").c_str()) == 0) return {};
        return "cannot rename " + workingPath() + ": " + std::strerror(errno);
    }

private:
    std::string workingPath() const { return directory + "/stats.csv.partial"; }

    std::string directory;
    std::string movieFile;
    int fps;
    std::ofstream table;
    MovieWriter movie;
};

std::string saveIfAsked(const LabOptions& options)
{
    std::string problem;
    if (options.saveFile.empty() || saveWorld(options.saveFile, problem)) return {};
    return problem;
}

}  // namespace

int runCommand(const LabOptions& options)
{
    OffscreenContext context(snapshotSize, snapshotSize);
    if (!context.ready()) return fail(context.problem());
    std::string problem = prepareWorld(options);
    if (!problem.empty()) return fail(problem);
    if (world.stepCount + options.steps > std::numeric_limits<int>::max())
        return fail("the step counter would pass " + std::to_string(std::numeric_limits<int>::max()) + ": run fewer steps");
    outerRenderMode = options.mode;
    innerRenderMode = options.inner;
    resetView();

    RunRecord run(options);
    problem = run.open();
    if (!problem.empty()) return failOnOutput(problem);
    const long long first = world.stepCount;
    const long long last = first + options.steps;
    ProgressBar progress(options.steps);
    for (long long step = first; problem.empty(); ++step) {
        if (rowDue(step, first, last, options.every)) problem = run.record();
        if (step == last || !problem.empty()) break;
        simulationStep();
        progress.show(step + 1 - first);
    }
    progress.finish();
    if (problem.empty()) problem = run.finish();
    if (problem.empty()) problem = saveIfAsked(options);
    if (problem.empty()) problem = run.publish();
    return problem.empty() ? 0 : fail(problem);
}

int saveCommand(const LabOptions& options)
{
    std::string problem = prepareWorld(options);
    if (!problem.empty()) return fail(problem);
    const long long steps = options.steps < 0 ? 0 : options.steps;
    ProgressBar progress(steps);
    for (long long step = 0; step < steps; ++step) {
        simulationStep();
        progress.show(step + 1);
    }
    progress.finish();
    problem = saveIfAsked(options);
    return problem.empty() ? 0 : fail(problem);
}
