// The sweep command's lists and where they come from: the command line first, then a sweep file.
#include "sweepOptions.h"

#include "commandLine.h"

#include <CLI/CLI.hpp>

namespace {

constexpr long long mostWorkers = 1024;

const char* const listHelp[] = {
    "topologies: plane, disc, sphere (a list: plane,disc)",
    "disaster rates, 0..1 (a list; default 0)",
    "Pollution off, on or off,on (default off)",
    "Human Rules off, on or off,on (default off)",
    "the lineage rule off, on or off,on (default off)",
};

// An option whose value is kept as given, with the option that gave it.
void addTextOption(CLI::App& sweep, SweepTexts& texts, const std::string& name, const char* help, const char* typeName)
{
    sweep
        .add_option_function<std::string>(
            "--" + name,
            [&texts, name](const std::string& value) {
                texts[name] = {value, "--" + name};
            },
            help)
        ->type_name(typeName);
}

}  // namespace

void addSweepOptions(CLI::App& sweep, SweepOptions& options)
{
    SweepTexts& texts = options.texts;
    for (int key = 0; key < sweptKeyCount; ++key) addTextOption(sweep, texts, sweptKeys[key], listHelp[key], "LIST");
    const char* const sizeHelp[topologyCount] = {"the planes' sizes: WIDTHxHEIGHT (a list: 80x80,160x160)",
                                                 "the discs' rings (a list: 40,80)",
                                                 "the spheres' rows, odd numbers (a list: 79,159)"};
    for (int topology = 0; topology < topologyCount; ++topology)
        addTextOption(sweep, texts, sizeKeys[topology], sizeHelp[topology], "LIST");
    const std::pair<const char*, const char*> singles[] = {
        {"seeds", "the seeds of each setting: numbers and ranges, 1-20,25"},
        {"steps", "simulation steps of each run"},
        {"every", "steps between rows and snapshots (default 100)"},
        {"mode", "the snapshots' render mode (default Environment)"},
        {"inner", "the inner layer's render mode (default Culture)"},
        {"movie-format", "the movies' format: mp4 (H.264, the default) or webm (VP9)"},
        {"fps", "the movies' frames a second (default 10)"},
    };
    for (const auto& [key, help] : singles) {
        const std::string name = key;
        addTextOption(sweep, texts, name, help,
                      name == "seeds"                                               ? "LIST"
                      : name == "mode" || name == "inner" || name == "movie-format" ? "NAME"
                                                                                    : "N");
    }
    sweep.add_flag_function(
        "--movies",
        [&texts](std::int64_t) {
            texts["movies"] = {"on", "--movies"};
        },
        "a movie of each run's snapshots");
    sweep.add_flag("--redo-damaged", options.redoDamaged,
                   "with --out: run again the runs whose files are damaged (the others are kept)");
    addPathOption(sweep, "--file", "FILE", options.file, "a sweep file: key = value, value lines; the command line wins");
    addWholeOption(sweep, "--workers", options.workers, 1, mostWorkers, "runs at once (default: one for each core)");
    const std::pair<const char*, const char*> actions[] = {
        {"--out", "run the sweep here, then collect (runs already finished are kept)"},
        {"--plan", "write plan.txt, jobs.txt and slurm.sh for other machines, run nothing"},
        {"--collect", "build the tables and the plot from a plan's finished runs"},
    };
    const SweepAction actionOf[] = {SweepAction::run, SweepAction::plan, SweepAction::collect};
    std::vector<CLI::Option*> given;
    for (int at = 0; at < 3; ++at) {
        const SweepAction action = actionOf[at];
        given.push_back(addPathOption(sweep, actions[at].first, "DIR", options.directory, actions[at].second)
                            ->each([&options, action](const std::string&) { options.action = action; }));
        for (CLI::Option* other : given)
            if (other != given.back()) given.back()->excludes(other);
    }
    sweep.footer(
        "Each run is quillmoss-lab run with one value of every list and one seed, writing into DIR/runs/NNNN;\n"
        "DIR gets sweep.csv, summary.csv and summary.png.");
}

std::string readSweep(SweepOptions& options)
{
    if (options.directory.empty()) return "sweep needs --out DIR, --plan DIR or --collect DIR";
    if (options.redoDamaged && options.action != SweepAction::run) return "--redo-damaged goes with --out DIR";
    if (options.action == SweepAction::collect) {
        if (!options.texts.empty() || !options.file.empty())
            return "--collect reads the sweep from DIR/plan.txt: leave the sweep's options out";
        options.file = options.directory + "/plan.txt";
    }
    if (!options.file.empty()) {
        const std::string problem = readSweepFile(options.file, options.texts);
        if (!problem.empty()) return problem;
    }
    return planFromTexts(options.texts, options.plan);
}
