// One pick, the cost of a click on the world window, on a populated world of each topology with
// the relief on (Z Environment at full elevation), at pixels spread over the window.
#include "benchWorlds.h"
#include "perTopology.h"
#include "picking.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int pixelsAcross = 7;  // a 7 x 7 grid of clicks, taken in turn

void pick(benchmark::State& state, int topology)
{
    openBenchWindow("pickBench");
    const World world = growPopulatedWorld(topology);
    View view;  // Outer Environment, Z Environment at full elevation
    int click = 0, found = 0;
    for (auto _ : state) {
        const int column = click % pixelsAcross, row = click / pixelsAcross % pixelsAcross;
        ++click;
        found += pickCellAt(world, view, (column + 1) * benchFrameSize / (pixelsAcross + 1),
                            (row + 1) * benchFrameSize / (pixelsAcross + 1)) != -1;
    }
    state.counters["foundShare"] = static_cast<double>(found) / click;
}
const bool pickRegistered = perTopology("pick", pick, benchmark::kMillisecond);

}  // namespace
