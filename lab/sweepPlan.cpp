// Reading a sweep's lists, in a file or on the command line, and turning them into runs.
#include "sweepPlan.h"

#include "commandLine.h"
#include "floatText.h"
#include "movieWriter.h"
#include "renderMode.h"
#include "runTable.h"
#include "sizeOptions.h"
#include "view.h"
#include "world.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <set>

namespace {

constexpr long long mostRuns = 999999;
constexpr long long stepLimit = std::numeric_limits<int>::max();

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// One value's written form, or a problem; each returns "" for a good value with the form in value.
using ValueReader = std::string (*)(const std::string& text, std::string& value);

std::string readTopology(const std::string& text, std::string& value)
{
    const int topology = topologyNamed(text);
    if (topology < 0) return "unknown topology \"" + text + "\" (plane, disc or sphere)";
    value = topologyNames[topology];
    return {};
}

std::string readDisasterRate(const std::string& text, std::string& value)
{
    double rate = 0.0;
    const std::string problem = numberProblem(text, 0.0, 1.0, rate);
    if (problem.empty()) value = shortestFloat(static_cast<float>(rate));
    return problem;
}

std::string readSwitch(const std::string& text, std::string& value)
{
    if (text != "off" && text != "on") return "needs off or on, not \"" + text + "\"";
    value = text;
    return {};
}

std::string readMovieFormat(const std::string& text, std::string& value)
{
    if (text != "mp4" && text != "webm") return "needs mp4 or webm, not \"" + text + "\"";
    value = text;
    return {};
}

std::string readMode(const std::string& text, std::string& value)
{
    const int mode = renderModeNamed(text);
    if (mode < 0) return "unknown render mode \"" + text + "\" (see --help for the names)";
    value = renderModeNames[mode];
    return {};
}

std::vector<std::string> splitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos; start = comma + 1)
        items.push_back(trimmed(text.substr(start, comma - start)));
    items.push_back(trimmed(text.substr(start)));
    return items;
}

std::string readList(const std::string& text, ValueReader reader, std::vector<std::string>& values)
{
    values.clear();
    for (const std::string& item : splitList(text)) {
        if (item.empty()) return "an empty value in the list \"" + text + "\"";
        std::string value;
        const std::string problem = reader(item, value);
        if (!problem.empty()) return problem;
        if (std::find(values.begin(), values.end(), value) != values.end()) return value + " appears twice";
        values.push_back(value);
    }
    return {};
}

// A list of sizes of one topology, each written as sizeText writes it.
std::string readSizes(int topology, const std::string& text, std::vector<std::string>& values)
{
    values.clear();
    for (const std::string& item : splitList(text)) {
        if (item.empty()) return "an empty value in the list \"" + text + "\"";
        WorldSizes sizes;
        const std::string problem = readSize(topology, item, sizes);
        if (!problem.empty()) return problem;
        const std::string value = sizeText(topology, sizes);
        if (std::find(values.begin(), values.end(), value) != values.end()) return value + " appears twice";
        values.push_back(value);
    }
    return {};
}

// Seeds as a list of numbers and ranges: 1-20, 25.
std::string readSeeds(const std::string& text, std::vector<std::uint32_t>& seeds)
{
    constexpr long long largest = std::numeric_limits<std::uint32_t>::max();
    std::set<long long> seen;
    seeds.clear();
    for (const std::string& item : splitList(text)) {
        if (item.empty()) return "an empty value in the list \"" + text + "\"";
        const std::size_t dash = item.find('-');
        long long first = 0, last = 0;
        std::string problem = wholeNumberProblem(trimmed(item.substr(0, dash)), 0, largest, first);
        if (problem.empty() && dash != std::string::npos)
            problem = wholeNumberProblem(trimmed(item.substr(dash + 1)), 0, largest, last);
        else last = first;
        if (!problem.empty()) return "\"" + item + "\" is not a seed (0 to 4294967295) or a range of them (1-20)";
        if (last < first) return "the range " + item + " runs backwards";
        if (last - first + static_cast<long long>(seeds.size()) >= mostRuns) return "more seeds than a sweep can run";
        for (long long seed = first; seed <= last; ++seed) {
            if (!seen.insert(seed).second) return "seed " + std::to_string(seed) + " appears twice";
            seeds.push_back(static_cast<std::uint32_t>(seed));
        }
    }
    return {};
}

// The seeds with runs of consecutive ones written as ranges.
std::string seedsText(const std::vector<std::uint32_t>& seeds)
{
    std::string text;
    for (std::size_t at = 0; at < seeds.size();) {
        std::size_t end = at;
        while (end + 1 < seeds.size() && seeds[end + 1] == seeds[end] + 1) ++end;
        text += (text.empty() ? "" : ", ") + std::to_string(seeds[at]) + (end > at ? "-" + std::to_string(seeds[end]) : "");
        at = end + 1;
    }
    return text;
}

std::string joined(const std::vector<std::string>& values)
{
    std::string text;
    for (const std::string& value : values) text += (text.empty() ? "" : ", ") + value;
    return text;
}

// The topology's list of sizes in a sweep that gives sizes: the one given, else its default size alone.
std::vector<std::string> sizesOf(const SweepPlan& plan, const std::string& topologyName)
{
    const int topology = topologyNamed(topologyName);
    if (!plan.sized()) return {""};
    if (plan.sizes[topology].empty()) return {sizeText(topology, WorldSizes{})};
    return plan.sizes[topology];
}

const std::array<ValueReader, sweptKeyCount> sweptReaders = {readTopology, readDisasterRate, readSwitch, readSwitch, readSwitch};
const std::array<const char*, sweptKeyCount> sweptDefaults = {nullptr, "0", "off", "off", "off"};

}  // namespace

const std::vector<std::string>& sweepKeys()
{
    static const std::vector<std::string> keys = {
        sweptKeys[0], sweptKeys[1], sweptKeys[2], sweptKeys[3], sweptKeys[4], sizeKeys[0], sizeKeys[1],    sizeKeys[2],
        "seeds",      "steps",      "every",      "mode",       "inner",      "movies",    "movie-format", "fps"};
    return keys;
}

std::string readSweepFile(const std::string& path, SweepTexts& texts)
{
    std::ifstream file(path);
    if (!file) return path + ": cannot open: " + std::strerror(errno);
    std::map<std::string, int> lineOf;
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        const std::string where = path + ":" + std::to_string(++number) + ": ";
        line = trimmed(line.substr(0, line.find('#')));
        if (line.empty()) continue;
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) return where + "not a line of the form key = value";
        const std::string key = trimmed(line.substr(0, equals));
        const auto& keys = sweepKeys();
        if (std::find(keys.begin(), keys.end(), key) == keys.end())
            return where + "unknown key \"" + key + "\" (the keys are " + joined(keys) + ")";
        if (!lineOf.emplace(key, number).second)
            return where + key + " is given twice (first on line " + std::to_string(lineOf[key]) + ")";
        texts.emplace(key, SweepText{trimmed(line.substr(equals + 1)), where + key});
    }
    return file.bad() ? path + ": cannot read" : "";
}

std::string planFromTexts(const SweepTexts& texts, SweepPlan& plan)
{
    plan = SweepPlan{};
    const auto text = [&texts](const std::string& key, const char* otherwise) -> std::optional<SweepText> {
        const auto found = texts.find(key);
        if (found != texts.end()) return found->second;
        if (!otherwise) return std::nullopt;
        return SweepText{otherwise, "--" + key};
    };
    const auto problemOf = [](const SweepText& given, const std::string& problem) { return given.origin + ": " + problem; };
    for (int key = 0; key < sweptKeyCount; ++key) {
        const auto given = text(sweptKeys[key], sweptDefaults[key]);
        if (!given) return std::string("a sweep needs --") + sweptKeys[key];
        const std::string problem = readList(given->value, sweptReaders[key], plan.lists[key]);
        if (!problem.empty()) return problemOf(*given, problem);
    }
    for (int topology = 0; topology < topologyCount; ++topology) {
        const auto given = text(sizeKeys[topology], nullptr);
        if (!given) continue;
        const auto& topologies = plan.lists[0];
        if (std::find(topologies.begin(), topologies.end(), topologyNames[topology]) == topologies.end())
            return problemOf(*given, std::string("sizes a ") + topologyNames[topology] + ", but the sweep has none");
        const std::string problem = readSizes(topology, given->value, plan.sizes[topology]);
        if (!problem.empty()) return problemOf(*given, problem);
    }
    const auto seeds = text("seeds", nullptr);
    const auto steps = text("steps", nullptr);
    if (!seeds || !steps) return std::string("a sweep needs --") + (seeds ? "steps N" : "seeds LIST");
    std::string problem = readSeeds(seeds->value, plan.seeds);
    if (!problem.empty()) return problemOf(*seeds, problem);
    long long settings = 0;
    for (const std::string& topology : plan.lists[0]) settings += static_cast<long long>(sizesOf(plan, topology).size());
    for (int key = 1; key < sweptKeyCount; ++key) settings *= static_cast<long long>(plan.lists[key].size());
    if (settings * static_cast<long long>(plan.seeds.size()) > mostRuns)
        return "a sweep of more than " + std::to_string(mostRuns) + " runs";
    const std::tuple<const char*, const char*, long long*, long long, long long> wholes[] = {
        {"steps", nullptr, &plan.steps, 0, stepLimit},
        {"every", "100", &plan.every, 1, stepLimit},
        {"fps", "10", &plan.fps, 1, mostMovieFps}};
    for (const auto& [key, otherwise, value, smallest, largest] : wholes) {
        const auto given = text(key, otherwise);
        problem = wholeNumberProblem(given->value, smallest, largest, *value);
        if (!problem.empty()) return problemOf(*given, problem);
    }
    const std::tuple<const char*, const char*, std::string*> modes[] = {
        {"mode", renderModeNames[View{}.outerRenderMode], &plan.mode},
        {"inner", renderModeNames[View{}.innerRenderMode], &plan.inner}};
    for (const auto& [key, otherwise, value] : modes) {
        const auto given = text(key, otherwise);
        problem = readMode(given->value, *value);
        if (!problem.empty()) return problemOf(*given, problem);
    }
    const auto movies = text("movies", "off");
    std::string movieSwitch;
    problem = readSwitch(movies->value, movieSwitch);
    plan.movies = movieSwitch == "on";
    if (!problem.empty()) return problemOf(*movies, problem);
    const auto format = text("movie-format", "mp4");
    problem = readMovieFormat(format->value, plan.movieFormat);
    return problem.empty() ? "" : problemOf(*format, problem);
}

std::string planText(const SweepPlan& plan)
{
    std::string text = "# A Quillmoss sweep: quillmoss-lab sweep --file reads it back.\n";
    for (int key = 0; key < sweptKeyCount; ++key) text += std::string(sweptKeys[key]) + " = " + joined(plan.lists[key]) + "\n";
    for (int topology = 0; topology < topologyCount; ++topology)
        if (!plan.sizes[topology].empty()) text += std::string(sizeKeys[topology]) + " = " + joined(plan.sizes[topology]) + "\n";
    text += "seeds = " + seedsText(plan.seeds) + "\n";
    text += "steps = " + std::to_string(plan.steps) + "\nevery = " + std::to_string(plan.every) + "\n";
    text += "mode = " + plan.mode + "\ninner = " + plan.inner + "\n";
    text += std::string("movies = ") + (plan.movies ? "on" : "off") + "\nmovie-format = " + plan.movieFormat + "\n";
    return text + "fps = " + std::to_string(plan.fps) + "\n";
}

std::vector<SweepRun> sweepRuns(const SweepPlan& plan)
{
    std::vector<SweepRun> runs(1);
    for (int key = 0; key < sweptKeyCount; ++key) {
        std::vector<SweepRun> longer;
        for (const SweepRun& run : runs)
            for (const std::string& value : plan.lists[key])
                for (const std::string& size : key == 0 ? sizesOf(plan, value) : std::vector<std::string>{run.size}) {
                    longer.push_back(run);
                    longer.back().setting[key] = value;
                    longer.back().size = size;
                }
        runs.swap(longer);
    }
    std::vector<SweepRun> seeded;
    for (const SweepRun& run : runs)
        for (std::uint32_t seed : plan.seeds) {
            seeded.push_back(run);
            seeded.back().seed = seed;
            seeded.back().number = static_cast<int>(seeded.size());
        }
    return seeded;
}

std::string runDirectory(const std::string& sweepDirectory, int number)
{
    char name[16];
    std::snprintf(name, sizeof name, "%04d", number);
    return sweepDirectory + "/runs/" + name;
}

std::vector<std::string> runArguments(const SweepPlan& plan, const SweepRun& run, const std::string& outDirectory)
{
    std::vector<std::string> arguments = {"run", "--topology", run.setting[0]};
    if (!run.size.empty())
        for (const std::string& argument : {std::string(sizeOptionNames[topologyNamed(run.setting[0])]), run.size})
            arguments.push_back(argument);
    for (const std::string& argument :
         {std::string("--seed"), std::to_string(run.seed), std::string("--disaster-rate"), run.setting[1]})
        arguments.push_back(argument);
    for (int key = 2; key < sweptKeyCount; ++key)
        if (run.setting[key] == "on") arguments.push_back(std::string("--") + sweptKeys[key]);
    for (const std::string& argument :
         {std::string("--steps"), std::to_string(plan.steps), std::string("--every"), std::to_string(plan.every),
          std::string("--mode"), plan.mode, std::string("--inner"), plan.inner, std::string("--out"), outDirectory})
        arguments.push_back(argument);
    if (plan.movies)
        for (const std::string& argument : {std::string("--movie"), outDirectory + "/movie." + plan.movieFormat,
                                            std::string("--fps"), std::to_string(plan.fps)})
            arguments.push_back(argument);
    return arguments;
}
