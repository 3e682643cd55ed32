// Reading sizes from command lines.
#include "sizeOptions.h"

#include <CLI/CLI.hpp>

namespace {

// What --help says of each option: its range and its default.
std::string sizeHelp(int topology)
{
    const WorldSizes usual;
    const std::string defaultSize = " (default " + sizeText(topology, usual) + ")";
    switch (topology) {
    case planeTopology:
        return "a new plane's width and height in cells, " + std::to_string(smallestPlaneSide) + ".." +
               std::to_string(largestPlaneSide) + " each" + defaultSize;
    case discTopology:
        return "a new disc's rings, " + std::to_string(fewestDiscRings) + ".." + std::to_string(mostDiscRings) + defaultSize;
    default:
        return "a new sphere's latitude rows, an odd number from " + std::to_string(fewestSphereRows) + " to " +
               std::to_string(mostSphereRows) + defaultSize;
    }
}

}  // namespace

std::string readSize(int topology, const std::string& text, WorldSizes& sizes)
{
    WorldSizes read = sizes;
    int measures[2] = {};
    const bool readable = topology == planeTopology ? readPlaneSize(text, read) : readWholeNumber(text, measures[0]);
    if (!readable)
        return std::string("needs ") +
               (topology == planeTopology ? "WIDTHxHEIGHT, two whole numbers (80x80)" : "a whole number") + ", not \"" + text +
               "\"";
    if (topology != planeTopology) setMeasures(topology, measures, read);
    const std::string problem = sizeProblem(topology, read);
    if (problem.empty()) sizes = read;
    return problem;
}

void addSizeOptions(CLI::App& app, GivenSizes& given)
{
    for (int topology = 0; topology < topologyCount; ++topology) {
        const auto check = [topology](std::string& text) {
            WorldSizes sizes;
            return readSize(topology, text, sizes);
        };
        const auto store = [&given, topology](const std::string& text) {
            readSize(topology, text, given.sizes);
            given.given[topology] = true;
        };
        app.add_option_function<std::string>(sizeOptionNames[topology], store, sizeHelp(topology))
            ->check(CLI::Validator(check, ""))
            ->type_name(sizeOptionValues[topology]);
    }
}
