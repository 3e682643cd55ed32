// The history of going back and undo on a populated world of each topology: a step recorded in it
// beside a plain step (the statistics row measured after every step, which the curves need, and a
// compressed keyframe every few steps are what it adds), a step back at its dearest (the most
// steps from a keyframe, in steps' worth of time), and what a keyframe keeps of the world's bytes.
#include "benchWorlds.h"
#include "perTopology.h"
#include "worldFile.h"
#include "worldHistory.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr std::size_t ampleBudget = std::size_t{1} << 30;

template <typename Work>
double secondsEach(int rounds, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int round = 0; round < rounds; ++round) work();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / rounds;
}

void recordedStep(benchmark::State& state, int topology)
{
    World plain = growPopulatedWorld(topology);
    World recorded = plain;
    WorldHistory history(ampleBudget);
    history.restart(recorded);
    constexpr int rounds = 2 * WorldTimeline::keyframeInterval;
    double plainSeconds = 0.0, recordedSeconds = 0.0;
    for (auto _ : state) {
        plainSeconds += secondsEach(rounds, [&] { simulationStep(plain); });
        const double each = secondsEach(rounds, [&] { history.step(recorded); });
        recordedSeconds += each;
        state.SetIterationTime(each);
    }
    state.counters["recordedToPlain"] = recordedSeconds / plainSeconds;
    const std::size_t keyframes = static_cast<std::size_t>(history.newest() / WorldTimeline::keyframeInterval + 1);
    state.counters["keyframeToWorldBytes"] =
        static_cast<double>(history.bytes()) / static_cast<double>(keyframes * worldFileBytes(recorded).size());
}
const bool recordedStepRegistered = perTopology("recordedStep", recordedStep, benchmark::kMicrosecond, true);

void stepBack(benchmark::State& state, int topology)
{
    World world = growPopulatedWorld(topology);
    WorldHistory history(ampleBudget);
    history.restart(world);
    for (int step = 0; step < WorldTimeline::keyframeInterval; ++step) history.step(world);
    const double oneStep = secondsEach(WorldTimeline::keyframeInterval, [&] {
        World copy = world;
        simulationStep(copy);
    });
    double backSeconds = 0.0;
    for (auto _ : state) {
        const double each = secondsEach(1, [&] {
            history.back(world);  // from a keyframe: the dearest step back
            history.forward(world);
        });
        backSeconds += each;
        state.SetIterationTime(each);
    }
    state.counters["backInSteps"] = backSeconds / static_cast<double>(state.iterations()) / oneStep;
}
const bool stepBackRegistered = perTopology("stepBack", stepBack, benchmark::kMillisecond, true);

}  // namespace
