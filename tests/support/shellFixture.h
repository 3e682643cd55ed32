// Tests of the shell, which keeps the program's one world, its view, the panels' settings and the
// clock for the whole run: every test starts from them as the program starts them, and leaves them so.
#pragma once

#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "testWorlds.h"
#include "worldChanges.h"

#include <algorithm>
#include <tuple>

// A clock that tests move by hand, at 0 seconds once used.
inline std::uint32_t fakeMilliseconds = 0;
inline void useFakeClock()
{
    setMillisecondSource([] { return fakeMilliseconds; });
    fakeMilliseconds = 0;
    startClock();
}

// Every setting of the panels the shell reads beside the world and the view.
inline auto shellSettings() { return std::tie(topologyChoice, speed, touchTool, entireGroup, panelGroup); }
template <typename... Value>
std::tuple<Value...> copied(const std::tuple<Value&...>& values)
{
    return values;
}

class ShellTest : public testing::Test {
protected:
    void SetUp() override { reset(); }
    void TearDown() override
    {
        reset();
        shellSettings() = started;
        std::fill_n(cellSliders, cellFieldCount, 0.0f);
        setMillisecondSource(nullptr);
    }
    // The shell's world becomes a new one of the topology grown from the seed, as at program start.
    static void freshWorld(int topology, std::uint32_t seed = 1)
    {
        startWorld(growWorld(topology, seed, 0));
        ASSERT_EQ(world.topology, topology);
    }

private:
    static void reset()
    {
        startWorld(World{});
        view = View{};
    }
    const decltype(copied(shellSettings())) started = copied(shellSettings());
};
