// The three topologies a world can be built on, and their names.
#pragma once

#include <string>

enum Topology { planeTopology = 0, discTopology = 1, sphereTopology = 2 };
inline constexpr int topologyCount = 3;

// The topologies' names on command lines and in reports, indexed by Topology.
inline constexpr const char* topologyNames[topologyCount] = {"plane", "disc", "sphere"};
// The Topology of a name, or -1.
int topologyNamed(const std::string& name);
