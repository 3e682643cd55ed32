// The options that give a new world its size, on every command line that makes one:
// --plane-size WIDTHxHEIGHT, --disc-rings N and --sphere-rows N.
#pragma once

#include "world.h"

#include <string>

namespace CLI {
class App;
}

// Each topology's size option, indexed by Topology.
inline constexpr const char* sizeOptionNames[topologyCount] = {"--plane-size", "--disc-rings", "--sphere-rows"};
inline constexpr const char* sizeOptionValues[topologyCount] = {"WIDTHxHEIGHT", "N", "N"};

// What a world file brings that the size options would contradict.
inline constexpr const char* loadBringsItsSize =
    "--load brings its own size: leave --plane-size, --disc-rings and --sphere-rows out";

// The sizes a command line gave: each given topology's in sizes, the others the defaults.
struct GivenSizes {
    WorldSizes sizes;
    bool given[topologyCount] = {};
    bool any() const { return given[planeTopology] || given[discTopology] || given[sphereTopology]; }
};

// Reads a topology's size as people write it ("160x120" on the plane, "40" on the disc and the
// sphere) into sizes: "" when a world of that size can be built (in range, and in the memory free
// now), otherwise why not; sizes keeps its other topologies' sizes either way.
std::string readSize(int topology, const std::string& text, WorldSizes& sizes);

// The three options, each read with readSize into given when it is given.
void addSizeOptions(CLI::App& app, GivenSizes& given);
