// quillmoss-terrain: the ground a seed gives a topology, as a PNG picture.
#include "sizeOptions.h"
#include "terrainMap.h"
#include "world.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int defaultScale = 6;
constexpr int largestScale = 64;

const char* const usage =
    "usage: quillmoss-terrain --topology plane|disc|sphere --seed N --out FILE.png [--scale PIXELS]\n"
    "                         [--plane-size WIDTHxHEIGHT] [--disc-rings N] [--sphere-rows N]\n"
    "Generates the Environment a new world of that topology gets from the seed, as Quillmoss does at\n"
    "start, and draws it with the Environment ramp (black, blue, white), PIXELS per cell (default 6).\n"
    "The size options size a new world as Quillmoss's do (default 80x80, 40 rings, 79 rows).\n";

struct options {
    int topology = -1;
    unsigned long seed = 0;
    bool seedGiven = false;
    int scale = defaultScale;
    std::string out;
    WorldSizes sizes;
};

bool parseNumber(const char* text, unsigned long largest, unsigned long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoul(text, &end, 10);
    return *text != '\0' && *text != '-' && *end == '\0' && errno == 0 && value <= largest;
}

// The topology whose size option flag is, or -1.
int sizeOptionOf(const std::string& flag)
{
    for (int topology = 0; topology < topologyCount; ++topology)
        if (flag == sizeOptionNames[topology]) return topology;
    return -1;
}

// Returns an empty message when the arguments make a complete request.
std::string parse(int argc, char** argv, options& chosen)
{
    for (int at = 1; at < argc; ++at) {
        const std::string flag = argv[at];
        if (at + 1 >= argc) return "missing value after " + flag;
        const char* value = argv[++at];
        unsigned long number = 0;
        if (flag == "--topology") {
            chosen.topology = topologyNamed(value);
            if (chosen.topology < 0) return std::string("unknown topology '") + value + "'";
        } else if (flag == "--seed") {
            if (!parseNumber(value, 0xffffffffUL, chosen.seed))
                return std::string("seed must be 0..4294967295, not '") + value + "'";
            chosen.seedGiven = true;
        } else if (flag == "--scale") {
            if (!parseNumber(value, largestScale, number) || number == 0)
                return std::string("scale must be 1..64, not '") + value + "'";
            chosen.scale = static_cast<int>(number);
        } else if (sizeOptionOf(flag) >= 0) {
            const std::string problem = readSize(sizeOptionOf(flag), value, chosen.sizes);
            if (!problem.empty()) return flag + ": " + problem;
        } else if (flag == "--out") {
            chosen.out = value;
        } else {
            return "unknown option " + flag;
        }
    }
    if (chosen.topology < 0) return "--topology is required";
    if (!chosen.seedGiven) return "--seed is required";
    if (chosen.out.empty()) return "--out is required";
    return {};
}

}  // namespace

int main(int argc, char** argv)
{
    options chosen;
    const std::string problem = parse(argc, argv, chosen);
    if (!problem.empty()) {
        std::fprintf(stderr, "quillmoss-terrain: %s\n%s", problem.c_str(), usage);
        return 2;
    }
    const World world = newWorld(chosen.topology, static_cast<std::uint32_t>(chosen.seed), chosen.sizes);
    if (world.empty()) {
        std::fprintf(stderr, "quillmoss-terrain: the world could not be built\n");
        return 1;
    }
    return writePng(terrainMap(world, chosen.scale), chosen.out) ? 0 : 1;
}
