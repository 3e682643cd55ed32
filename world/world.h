// The world: the lattice, the cell array, the step counter, the selection and the rule switches.
#pragma once

#include "cell.h"
#include "lattice.h"

#include <memory>
#include <string>

enum Topology { planeTopology = 0, discTopology = 1, sphereTopology = 2 };
inline constexpr int topologyCount = 3;

// The topologies' names on command lines and in reports, indexed by Topology.
inline constexpr const char* topologyNames[topologyCount] = {"plane", "disc", "sphere"};
// The Topology of a name, or -1.
int topologyNamed(const std::string& name);

// Slots of the rule switches the step reads.
inline constexpr int ruleSlotCount = 8;

// The whole simulated state; one per process. An empty world (no lattice, no cells) turns every
// world operation into a no-op. The lattice, the cells and the lineage stack are created and
// destroyed together.
struct World {
    std::unique_ptr<lattice> currentLattice;
    std::unique_ptr<Cell[]> cells;  // indexed by the lattice's cell index, holes included
    int cellCount = 0;
    std::unique_ptr<LineageFrame[]> lineageStack;
    int stepCount = 0;  // steps since the last Kill All or topology change
    int nextGroupId = 0;  // never reset by Kill All or a topology change
    int topology = -1;  // the Topology built, -1 while the world is empty
    int selectedIndex = -1;
    Cell* selectedCell = nullptr;  // borrowed from cells, cleared whenever the array is replaced
    latticeCursor selectedCoord;
    float rules[ruleSlotCount] = {};
    float lastStepTime = 0.0f;  // program-clock seconds at the start of the last step
};

extern World world;

// The lattice of a Topology, constructed but not yet built (the caller calls build()); nullptr for
// any other number. Every world of one topology shares this lattice's shape and index space.
std::unique_ptr<lattice> makeLattice(int topology);

// Builds the world for a Topology with terrain and six seeded cells. -1 when that topology is
// already built (nothing changes), 1 on success, 0 on failure: the world is then left empty, and
// any next call, even with the topology it had before, rebuilds.
int setTopology(int topology);

// The world at program start: setTopology, every rule slot 0, lastStepTime = now.
void initWorld(int topology);

// Clears the selection, then selects the index when the lattice accepts it.
void selectCell(int index);
int getSelectedIndex();
Cell* getSelectedCell();
// Field f of the selected cell; 0 with nothing selected or f outside 0..11.
float getSelectedField(int f);
// Stores v clamped to 0..1 into field f of the selected cell; ignored with nothing selected or f outside 0..11.
void setSelectedField(int f, float v);

void incrementStep();
int getStepCount();

// rules[slot] = value for slot 0..7; any other slot is ignored.
void setRule(int slot, float value);
