// Tests of the world and the shell: every test starts from an empty world and leaves it so, with
// the settings as the program starts them.
#pragma once

#include "programClock.h"
#include "randomGenerator.h"
#include "renderSettings.h"
#include "settings.h"
#include "world.h"
#include "worldSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

// A seed from the calendar: small seeds make the sphere's first draws tiny.
inline constexpr std::uint32_t calendarSeed = 1733500000u;

// A clock that tests move by hand, at 0 seconds once used.
inline std::uint32_t fakeMilliseconds = 0;
inline void useFakeClock()
{
    setMillisecondSource([] { return fakeMilliseconds; });
    fakeMilliseconds = 0;
    startClock();
}

// Every setting the panels, the step and the renderer read.
inline auto settings()
{
    return std::tie(outerRenderMode, disasterRate, spareParent, pollutionOn, ruleSpreadCost, ruleGroupDefence, ruleNoSelfMutation,
                    ruleCultureDrift, humanRulesOn, lineageOn, topologyChoice, speed, touchTool, entireGroup, innerRenderMode,
                    zRenderMode, tileSize, elevation, panelGroup);
}
template <typename... Value>
std::tuple<Value...> copied(const std::tuple<Value&...>& values)
{
    return values;
}

class WorldTest : public testing::Test {
protected:
    void SetUp() override { world = World{}; }
    void TearDown() override
    {
        world = World{};
        settings() = started;
        std::fill_n(cellSliders, cellFieldCount, 0.0f);
        setMillisecondSource(nullptr);
    }
    // A new world of the topology grown from the seed, as at program start.
    static void freshWorld(int topology, std::uint32_t seed = 1)
    {
        world = World{};
        generator::seed(seed);
        ASSERT_EQ(setTopology(topology), 1);
        feedRules();
    }
    // Calls visit(index, cursor) for every real cell in the lattice's order.
    template <typename Visit>
    static void forEachCell(Visit visit)
    {
        latticeCursor cursor;
        for (int index = world.currentLattice->firstCell(cursor); index != -1; index = world.currentLattice->nextCell(cursor))
            visit(index, cursor);
    }

private:
    const decltype(copied(settings())) started = copied(settings());
};
