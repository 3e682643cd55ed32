// Walking and exploring each topology, per real cell, beside a plain loop over the same number of indices.
#include "perTopology.h"
#include "world.h"

#include <benchmark/benchmark.h>

namespace {

// The lattice the worlds of a topology share.
const lattice& worldLattice(int topology) { return *sharedLattice(topology); }

int realCells(const lattice& cells)
{
    latticeCursor cursor;
    int count = 0;
    for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) ++count;
    return count;
}

// The floor: a counted loop over as many indices as the lattice has cells, with no lattice in between.
void indexLoopFloor(benchmark::State& state, int topology)
{
    const int cells = realCells(worldLattice(topology));
    for (auto _ : state) {
        long sum = 0;
        for (int index = 0; index < cells; ++index) sum += index;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * cells);
}
const bool indexLoopFloorRegistered = perTopology("indexLoopFloor", indexLoopFloor);

void iteration(benchmark::State& state, int topology)
{
    const lattice& cells = worldLattice(topology);
    for (auto _ : state) {
        latticeCursor cursor;
        long sum = 0;
        for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) sum += index;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * realCells(cells));
}
const bool iterationRegistered = perTopology("iteration", iteration);

// Every neighbour of every cell, as the step and the smoothing pass explore them.
void neighbours(benchmark::State& state, int topology)
{
    const lattice& cells = worldLattice(topology);
    for (auto _ : state) {
        latticeCursor cursor;
        long sum = 0;
        for (int index = cells.firstCell(cursor); index != -1; index = cells.nextCell(cursor)) {
            for (int d = 0; d < neighbourDirections; ++d) {
                latticeCursor copy = cursor;
                sum += cells.neighbour(copy, index, d);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * realCells(cells));
}
const bool neighboursRegistered = perTopology("neighbours", neighbours);

}  // namespace
