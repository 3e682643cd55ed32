// Benchmarks that run once on each topology, named after it: "step/plane", "frame/sphere".
#pragma once

#include "world.h"

#include <benchmark/benchmark.h>

#include <string>

using TopologyBenchmark = void (*)(benchmark::State& state, int topology);

// Registers the benchmark for every topology, timed by the benchmark itself when manualTime is
// set; true, so that a namespace-scope constant can hold it.
inline bool perTopology(const char* name, TopologyBenchmark run, benchmark::TimeUnit unit = benchmark::kNanosecond,
                        bool manualTime = false)
{
    for (int topology = 0; topology < topologyCount; ++topology) {
        auto* registered =
            benchmark::RegisterBenchmark((std::string(name) + "/" + topologyNames[topology]).c_str(), run, topology);
        registered->Unit(unit);
        if (manualTime) registered->UseManualTime();
    }
    return true;
}
