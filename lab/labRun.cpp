// Runs at full speed: the world built or loaded, its numbers and pictures written as it goes.
#include "labRun.h"

#include "childProgram.h"
#include "directories.h"
#include "directoryLock.h"
#include "movieWriter.h"
#include "offscreenContext.h"
#include "progressBar.h"
#include "runCheck.h"
#include "runSettings.h"
#include "runTable.h"
#include "simulationStep.h"
#include "statsPlot.h"
#include "view.h"
#include "worldFile.h"
#include "worldScenes.h"
#include "worldSnapshot.h"
#include "worldStatistics.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>

namespace {

constexpr int refusedStatus = 2;

int fail(const std::string& problem, int status = 1)
{
    std::fprintf(stderr, "quillmoss-lab: %s\n", problem.c_str());
    return status;
}

// An --out the run cannot write to is a bad argument too: the hint points at the option.
int failOnOutput(const std::string& problem)
{
    std::fprintf(stderr, "quillmoss-lab: %s\nChoose a writable directory with --out DIR; see 'quillmoss-lab --help'.\n",
                 problem.c_str());
    return 1;
}

// A new world from the options, or the saved one; "" when it stands. seed is the one it was grown
// from.
std::string prepareWorld(const LabOptions& options, std::uint32_t& seed, World& world)
{
    std::string problem;
    if (!options.loadFile.empty()) {
        world = loadWorld(options.loadFile, problem);
        return problem;
    }
    RuleSwitches switches;
    switches.pollution = options.pollution;
    switches.humanRules = options.humanRules;
    switches.lineages = options.lineages;
    seed = options.seed;
    if (!options.seedGiven) {
        seed = static_cast<std::uint32_t>(std::time(nullptr));
        std::fprintf(stderr, "quillmoss-lab: seed %u\n", static_cast<unsigned>(seed));
    }
    world = growWorld(options.topology, seed, 0, switches, options.sizes.sizes);
    world.disasterRate = options.disasterRate;
    return world.empty() ? "could not build the world" : "";
}

bool rowDue(long long step, long long first, long long last, long long every)
{
    return step == first || step == last || step % every == 0;
}

// The table, the pictures and the movie of one run, written as the steps go. The table is written
// under a working name and takes its own only when everything else is done, so that a stats.csv
// is always a finished run's. The directory is locked for as long as the run works in it.
class RunRecord {
public:
    explicit RunRecord(const LabOptions& options)
        : directory(options.outDirectory), movieFile(options.movieFile), fps(static_cast<int>(options.fps))
    {
    }

    // Takes the directory for this run; "" when no other process works there.
    std::string claim()
    {
        lock = std::make_unique<DirectoryLock>(directory);
        return lock->problem();
    }

    // Starts the table, after the run's record; the table of a run made there before goes, since
    // the pictures beside it are about to be replaced.
    std::string open(const LabOptions& options, std::uint32_t seed)
    {
        std::string problem = writeRunRecord(options, seed);
        if (!problem.empty()) return problem;
        std::remove((directory + "/stats.csv").c_str());
        table.open(workingPath(), std::ios::binary | std::ios::trunc);
        if (!table) return "cannot write " + workingPath() + ": " + std::strerror(errno);
        table << statisticsHeader();
        return {};
    }

    std::string openMovie() { return movieFile.empty() ? "" : movie.open(movieFile, snapshotSize, snapshotSize, fps); }

    std::string record(World& world, View& view)
    {
        table << statisticsRow(measureWorld(world));
        const Picture snapshot = drawSnapshot(world, view);
        const std::string picture = snapshotPath(directory, world.stepCount);
        if (!table || !writePng(snapshot, picture)) return "cannot write " + (table ? picture : workingPath());
        return movieFile.empty() ? "" : movie.add(snapshot);
    }

    std::string finish(const World& world)
    {
        table.close();
        if (!table) return "cannot write " + workingPath();
        std::string problem = movie.finish();
        if (problem.empty()) problem = plotStatistics(workingPath(), directory + "/stats.png", lineageRuleOn(world));
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
    std::unique_ptr<DirectoryLock> lock;
};

// The programs a run starts, found before its first step rather than after its last.
std::string missingTools(bool movie)
{
    std::vector<std::pair<std::string, std::string>> tools = {{"gnuplot", "gnuplot-nox"}};
    if (movie) tools.emplace_back("ffmpeg", "ffmpeg");
    return missingProgram(tools);
}

// Makes the run's directory and takes it. None when the run goes on; otherwise the status it ends
// with: a directory it cannot have, or, for a run of a sweep's jobs.txt, the very run found whole
// there already (nothing to do) or another run in its place.
std::optional<int> takeDirectory(const LabOptions& options, std::uint32_t seed, int stepCount, RunRecord& run)
{
    const std::string& out = options.outDirectory;
    const std::string made = makeDirectory(out);
    if (!made.empty()) return failOnOutput(made);
    const RunCheck check =
        options.skipComplete
            ? checkRun(out, {runSettingsText(options, seed), recordedSteps(stepCount, stepCount + options.steps, options.every),
                             options.movieFile})
            : RunCheck{};
    if (check.state == RunState::complete) {
        std::fprintf(stderr, "quillmoss-lab: %s holds this run whole already: nothing to do\n", out.c_str());
        return 0;
    }
    if (check.state == RunState::foreign)
        return fail(out + " holds another run (" + check.reason + "): nothing done", refusedStatus);
    if (check.state == RunState::busy) return fail(out + " " + check.reason);
    const std::string taken = run.claim();
    if (!taken.empty()) return fail(taken);
    return std::nullopt;
}

std::string saveIfAsked(const LabOptions& options, const World& world)
{
    std::string problem;
    if (options.saveFile.empty() || saveWorld(world, options.saveFile, problem)) return {};
    return problem;
}

}  // namespace

int runCommand(const LabOptions& options)
{
    std::string problem = missingTools(!options.movieFile.empty());
    if (!problem.empty()) return fail(problem, refusedStatus);
    OffscreenContext context(snapshotSize, snapshotSize);
    if (!context.ready()) return fail(context.problem());
    std::uint32_t seed = 0;
    World world;
    problem = prepareWorld(options, seed, world);
    if (!problem.empty()) return fail(problem);
    if (world.stepCount + options.steps > std::numeric_limits<int>::max())
        return fail("the step counter would pass " + std::to_string(std::numeric_limits<int>::max()) + ": run fewer steps");
    View view;
    view.camera = worldCamera(world);
    view.outerRenderMode = options.mode;
    view.innerRenderMode = options.inner;

    RunRecord run(options);
    if (const std::optional<int> ended = takeDirectory(options, seed, world.stepCount, run)) return *ended;
    problem = run.open(options, seed);
    if (!problem.empty()) return failOnOutput(problem);
    problem = run.openMovie();
    if (!problem.empty()) return fail(problem);
    const long long first = world.stepCount;
    const long long last = first + options.steps;
    ProgressBar progress(options.steps);
    for (long long step = first; problem.empty(); ++step) {
        if (rowDue(step, first, last, options.every)) problem = run.record(world, view);
        if (step == last || !problem.empty()) break;
        simulationStep(world);
        progress.show(step + 1 - first);
    }
    progress.finish();
    if (problem.empty()) problem = run.finish(world);
    if (problem.empty()) problem = saveIfAsked(options, world);
    if (problem.empty()) problem = run.publish();
    return problem.empty() ? 0 : fail(problem);
}

int saveCommand(const LabOptions& options)
{
    std::uint32_t seed = 0;
    World world;
    std::string problem = prepareWorld(options, seed, world);
    if (!problem.empty()) return fail(problem);
    const long long steps = options.steps < 0 ? 0 : options.steps;
    ProgressBar progress(steps);
    for (long long step = 0; step < steps; ++step) {
        simulationStep(world);
        progress.show(step + 1);
    }
    progress.finish();
    problem = saveIfAsked(options, world);
    return problem.empty() ? 0 : fail(problem);
}
