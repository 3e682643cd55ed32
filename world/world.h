// The world as a value: its lattice, its cells, its counters, its rules and its own generator.
#pragma once

#include "cell.h"
#include "lattice.h"
#include "randomGenerator.h"
#include "ruleSwitches.h"
#include "topologies.h"
#include "worldSize.h"

#include <cstdint>
#include <memory>
#include <vector>

// Slots of the rule switches the step reads.
inline constexpr int ruleSlotCount = 8;

// Everything that decides what a world does next. A world is an ordinary value: whoever holds it
// owns it (the desktop program one, the lab one per run, a test as many as it likes), every
// operation takes the world it works on, and a copy (World copy = world;) is a second, independent
// world that, stepped alike, stays bit for bit equal to the first, its generator copied with it.
// An empty world (no lattice, no cells) turns every world operation into a no-op. The lattice is
// immutable and shared by the worlds of its topology; the cells and the lineage stack are each
// world's own and are replaced together with the lattice.
struct World {
    std::shared_ptr<const lattice> currentLattice;
    std::vector<Cell> cells;  // indexed by the lattice's cell index, holes included
    int cellCount = 0;  // cells.size()
    std::vector<LineageFrame> lineageStack;  // the lineage pass's work stack, one frame per record
    int stepCount = 0;  // steps since the last Kill All or topology change
    int nextGroupId = 0;  // never reset by Kill All or a topology change
    int topology = -1;  // the Topology built, -1 while the world is empty
    WorldSizes sizes;  // the size each topology is built at
    RuleSwitches switches;  // the sources of rule slots 0..6
    float rules[ruleSlotCount] = {};  // what the step reads
    float disasterRate = 0.0f;  // the chance per step of a disaster, 0..1 ("Disaster Rate")
    int spareParent = 1;  // while not 0, a cell never spreads into its own live parent; no control changes it
    float lastStepTime = 0.0f;  // clock seconds at the start of the last step, stamped by whoever steps on a clock
    RandomGenerator random;  // the world's one source of randomness
    // The cells whose parent lies further in index than the lattice's neighbour span, counted by
    // the last commit; -1 = not known (a new, rebuilt or loaded world). The step only ever links
    // neighbours, so once it is 0 every link a visit follows stays within the span.
    int farParents = -1;
    // Every hole of the index space has its next values equal to its values, as a step leaves them.
    // Holes take no part in a step, which readies them only when something may have written them
    // since: false for a new or loaded world, and after the terrain is made or life is cleared.
    bool holesReady = false;

    bool empty() const { return !currentLattice || cells.empty(); }
};

// The lattice of a Topology at the size sizes give it, constructed but not yet built (the caller
// calls build()); nullptr for any other number. The size must be in range (sizeRangeProblem).
std::unique_ptr<lattice> makeLattice(int topology, const WorldSizes& sizes = {});

// A built, immutable lattice of a Topology at a size, which worlds share; nullptr for any other
// number. At the default size it is the process's one lattice of the topology, made on first use;
// at any other it is built anew. Safe to call from several threads.
std::shared_ptr<const lattice> sharedLattice(int topology, const WorldSizes& sizes = {});

// Builds the world for a Topology at the size its sizes give, with terrain and six seeded cells,
// drawn from the world's generator; the rules, the switches, the disaster rate and the group
// counter stay. -1 when that topology is already built (nothing changes), 1 on success, 0 on
// failure (a size out of range or out of memory): the world is then left empty, and any next call,
// even with the topology it had before, rebuilds.
int setTopology(World& world, int topology);

// A new world as the program starts one: the generator seeded, the sizes, setTopology, every rule slot 0.
World newWorld(int topology, std::uint32_t seed, const WorldSizes& sizes = {});

// rules[slot] = value for slot 0..7; any other slot is ignored.
void setRule(World& world, int slot, float value);

// The selection is a view's: the index of a cell a person chose in a world, -1 for none. The
// functions below take it beside the world it names a cell of.

// index when the world's lattice has a cell there, else -1: what selecting a cell selects.
int selectableCell(const World& world, int index);
// The selected cell, or nullptr for -1 or an index that names no cell of the world.
const Cell* selectedCell(const World& world, int selected);
Cell* selectedCell(World& world, int selected);
// Field f of the selected cell; 0 with nothing selected or f outside 0..11.
float getSelectedField(const World& world, int selected, int f);
// Stores v clamped to 0..1 into field f of the selected cell; ignored with nothing selected or f outside 0..11.
void setSelectedField(World& world, int selected, int f, float v);
