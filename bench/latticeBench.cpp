// Walking and exploring the plane, per real cell, beside a plain loop over the same indices.
#include "planeLattice.h"

#include <benchmark/benchmark.h>

namespace {

const planeLattice& worldPlane()
{
    static const planeLattice plane{80, 80, 1.0f};
    return plane;
}

// The floor: a counted loop over the same indices with no lattice in between.
void planeIndexLoopFloor(benchmark::State& state)
{
    const int cells = worldPlane().cellCount();
    for (auto _ : state) {
        long sum = 0;
        for (int index = 0; index < cells; ++index) sum += index;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * cells);
}
BENCHMARK(planeIndexLoopFloor);

void planeIteration(benchmark::State& state)
{
    const lattice& plane = worldPlane();
    for (auto _ : state) {
        latticeCursor cursor;
        long sum = 0;
        for (int index = plane.firstCell(cursor); index != -1; index = plane.nextCell(cursor)) sum += index;
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * plane.cellCount());
}
BENCHMARK(planeIteration);

// Every neighbour of every cell, as the step and the smoothing pass explore them.
void planeNeighbours(benchmark::State& state)
{
    const lattice& plane = worldPlane();
    for (auto _ : state) {
        latticeCursor cursor;
        long sum = 0;
        for (int index = plane.firstCell(cursor); index != -1; index = plane.nextCell(cursor)) {
            for (int d = 0; d < neighbourDirections; ++d) {
                latticeCursor copy = cursor;
                sum += plane.neighbour(copy, index, d);
            }
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * plane.cellCount());
}
BENCHMARK(planeNeighbours);

}  // namespace
