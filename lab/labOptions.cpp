// Reading quillmoss-lab's command line.
#include "labOptions.h"

#include "commandLine.h"
#include "movieWriter.h"
#include "renderMode.h"
#include "view.h"
#include "world.h"

#include <limits>

namespace {

const char* const modeList =
    "render modes: Environment, Phenotype, \"Fitness Map\", Population, Culture, Metabolism, Spread,\n"
    "  Terraform, Assimilation, Technology, Groups, \"Group Strength\", Geneology, None";

constexpr long long stepLimit = std::numeric_limits<int>::max();

void addNewWorldOptions(CLI::App& command, LabOptions& options)
{
    addNamedOption(command, "--topology", options.topology, topologyNamed, "topology", "plane, disc or sphere",
                   "the lattice of a new world: plane, disc or sphere");
    addWholeOption(command, "--seed", options.seed, 0, std::numeric_limits<std::uint32_t>::max(),
                   "the generator's seed, 0..4294967295 (default: the clock; printed)")
        ->each([&options](const std::string&) { options.seedGiven = true; });
    command.add_flag("--pollution", options.pollution, "the Pollution rule on");
    command.add_flag("--human-rules", options.humanRules, "the Human Rules rule on");
    command.add_flag("--lineages", options.lineages, "the lineage rule on (fills the lineages column)");
    addNumberOption(command, "--disaster-rate", options.disasterRate, 0.0, 1.0,
                    "the chance of a disaster per step, 0..1 (default 0)")
        ->each([&options](const std::string&) { options.disasterRateGiven = true; });
    addSizeOptions(command, options.sizes);
}

void addRunOptions(CLI::App& run, LabOptions& options)
{
    addWholeOption(run, "--every", options.every, 1, stepLimit, "steps between rows and snapshots (default 100)");
    addPathOption(run, "--out", "DIR", options.outDirectory, "where run writes (default lab-output; made when missing)");
    addNamedOption(run, "--mode", options.mode, renderModeNamed, "render mode", "see --help for the names",
                   "the snapshots' render mode, as in the Render panel (default Environment)");
    addNamedOption(run, "--inner", options.inner, renderModeNamed, "render mode", "see --help for the names",
                   "the inner layer's render mode (default Culture; None for one layer)");
    addPathOption(run, "--load", "FILE", options.loadFile,
                  "start from a saved world: its lattice, rules, disaster rate and generator");
    addPathOption(run, "--movie", "FILE", options.movieFile, "the snapshots as a video: FILE.mp4 (H.264) or FILE.webm (VP9)")
        ->check(CLI::Validator(
            [](std::string& name) { return isMovieName(name) ? std::string() : "needs a name ending in .mp4 or .webm"; }, ""));
    addWholeOption(run, "--fps", options.fps, 1, mostMovieFps, "the movie's frames a second (default 10)");
    run.add_flag("--skip-complete", options.skipComplete,
                 "do nothing when DIR holds this very run already, whole (a sweep's jobs.txt asks for it)");
    run.footer(modeList);
}

// Options that contradict the command or each other.
std::string checkTogether(const LabOptions& options)
{
    const bool loading = !options.loadFile.empty();
    if (options.command == LabCommand::save && options.saveFile.empty()) return "save needs --save FILE";
    if (options.command == LabCommand::run && options.steps < 0) return "run needs --steps N";
    if (loading && (options.topology >= 0 || options.seedGiven || options.pollution || options.humanRules || options.lineages ||
                    options.disasterRateGiven))
        return "--load brings its own topology, seed, rules and disaster rate: leave those options out";
    if (!loading && options.topology < 0 && options.command != LabCommand::bench)
        return "a new world needs --topology plane|disc|sphere";
    if (loading && options.sizes.any()) return loadBringsItsSize;
    for (int topology = 0; topology < topologyCount; ++topology)
        if (options.sizes.given[topology] && topology != options.topology)
            return std::string(sizeOptionNames[topology]) + " sizes a " + topologyNames[topology] + ", not the run's " +
                   topologyNames[options.topology];
    return {};
}

}  // namespace

std::string parseLabOptions(int argc, const char* const* argv, LabOptions& options)
{
    options = LabOptions{};
    options.mode = View{}.outerRenderMode;
    options.inner = View{}.innerRenderMode;
    CLI::App lab("Reproducible runs of Quillmoss's world without a display, with numbers, pictures and saved worlds.",
                 "quillmoss-lab");
    lab.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    lab.require_subcommand(1);
    lab.footer("'quillmoss-lab help' shows this help, 'quillmoss-lab COMMAND --help' a command's options.\n" +
               std::string(modeList));
    CLI::App* run = lab.add_subcommand("run",
                                       "builds a world (or loads one), runs N steps at full speed and writes into DIR: "
                                       "stats.csv (a row every K steps), world-STEP.png snapshots every K steps, stats.png");
    CLI::App* save = lab.add_subcommand("save", "builds a world, runs N steps (default 0) and writes the whole world to FILE");
    CLI::App* bench =
        lab.add_subcommand("bench", "steps per second on a populated world of each topology (N steps each, default 1000)");
    for (CLI::App* command : {run, save, bench})
        addWholeOption(*command, "--steps", options.steps, 0, stepLimit, "simulation steps to run (0 or more)");
    for (CLI::App* command : {run, save}) {
        addNewWorldOptions(*command, options);
        addPathOption(*command, "--save", "FILE", options.saveFile, "write the world to FILE when the run (or save) ends");
    }
    addRunOptions(*run, options);
    CLI::App* sweep = lab.add_subcommand("sweep",
                                         "runs a world for every combination of the listed values and every seed, "
                                         "in parallel, and builds one table and a plot of them all");
    addSweepOptions(*sweep, options.sweep);

    const std::string command = argc > 1 ? argv[1] : "";
    if (command.empty()) return "no command given (run, save, sweep or bench)";
    if (command == "help") options.helpText = lab.help();
    const bool known = lab.get_subcommands([&](CLI::App* each) { return each->check_name(command); }).size() == 1;
    if (!known && !command.empty() && command[0] != '-' && options.helpText.empty())
        return "unknown command \"" + command + "\" (run, save, sweep or bench)";
    const std::string problem = options.helpText.empty() ? readCommandLine(lab, argc, argv, options.helpText) : "";
    if (!options.helpText.empty()) {
        options.command = LabCommand::help;
        return {};
    }
    if (!problem.empty()) return problem;
    options.command = run->parsed()     ? LabCommand::run
                      : save->parsed()  ? LabCommand::save
                      : sweep->parsed() ? LabCommand::sweep
                                        : LabCommand::bench;
    return options.command == LabCommand::sweep ? readSweep(options.sweep) : checkTogether(options);
}
