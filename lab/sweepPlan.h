// A sweep: lists of values for some of quillmoss-lab run's options, one run for every combination
// and seed, numbered from 1 in a fixed order.
#pragma once

#include "world.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The swept options in the order of the cross product; the seed varies fastest, after them.
inline constexpr int sweptKeyCount = 5;
inline constexpr std::array<const char*, sweptKeyCount> sweptKeys = {"topology", "disaster-rate", "pollution", "human-rules",
                                                                     "lineages"};

// The keys of the lists of sizes, indexed by Topology: a topology's runs go over its list of sizes
// too, when it is given.
inline constexpr std::array<const char*, topologyCount> sizeKeys = {"plane-size", "disc-rings", "sphere-rows"};

struct SweepPlan {
    std::array<std::vector<std::string>, sweptKeyCount> lists;  // each value in its one written form
    std::array<std::vector<std::string>, topologyCount> sizes;  // empty for a topology's size not given
    std::vector<std::uint32_t> seeds;
    long long steps = 0;
    long long every = 100;
    std::string mode, inner;  // render modes by name
    bool movies = false;
    std::string movieFormat = "mp4";  // or webm
    long long fps = 10;

    // Whether any list of sizes was given: only then do the runs name their size.
    bool sized() const { return !sizes[0].empty() || !sizes[1].empty() || !sizes[2].empty(); }
};

// One run of a sweep: its number, the value of each swept option and its seed.
struct SweepRun {
    int number = 0;
    std::array<std::string, sweptKeyCount> setting;
    std::string size;  // the topology's size as written ("160x160"), "" in a sweep that gives none
    std::uint32_t seed = 0;
};

// Every key a sweep file (and the plan written from it) may hold, the swept ones first.
const std::vector<std::string>& sweepKeys();

// The values of a sweep's keys as written, with where each came from ("--seeds", or
// "sweep.txt:4: seeds") for the messages.
struct SweepText {
    std::string value;
    std::string origin;
};
using SweepTexts = std::map<std::string, SweepText>;

// Reads the sweep file's keys into texts, leaving those already there (given on the command line);
// "" when every line is a known key = value, a comment or blank, otherwise the first bad line.
std::string readSweepFile(const std::string& path, SweepTexts& texts);

// The plan the texts describe; "" when every value is good, otherwise the first bad one.
std::string planFromTexts(const SweepTexts& texts, SweepPlan& plan);

// The plan as a sweep file, one form for one plan: what a sweep's directory keeps as plan.txt.
std::string planText(const SweepPlan& plan);

// The runs, numbered from 1: settings in the order of the lists, each over every seed. In a sweep
// that gives sizes, each topology's runs go over its sizes (or its default one) after the topology.
std::vector<SweepRun> sweepRuns(const SweepPlan& plan);

// The run's directory within a sweep's directory: DIR/runs/0007.
std::string runDirectory(const std::string& sweepDirectory, int number);

// quillmoss-lab run's arguments (after the program's name) for one run writing into outDirectory.
std::vector<std::string> runArguments(const SweepPlan& plan, const SweepRun& run, const std::string& outDirectory);
