// The worlds and the window the benchmarks share: each topology grown from the calendar seed until
// three quarters of its cells live, and one world window, opened once, which shows the shell's world.
#pragma once

#include "platformTimer.h"
#include "programClock.h"
#include "shellState.h"
#include "simulationStep.h"
#include "world.h"
#include "worldScenes.h"
#include "worldSettings.h"
#include "worldWindow.h"

#include <GL/glut.h>

inline constexpr std::uint32_t benchSeed = 1733500000u;
inline constexpr int benchFrameSize = 740;

inline double livingShare(const World& world)
{
    int living = 0;
    for (const std::int32_t index : world.currentLattice->walkOrder())
        living += world.cells[index].field[populationField] != 0.0f;
    return static_cast<double>(living) / static_cast<double>(world.currentLattice->walkOrder().size());
}

inline World growPopulatedWorld(int topology)
{
    constexpr double populated = 0.75;
    constexpr int growingLimit = 10000, stepsBetweenLooks = 50;
    World world = growWorld(topology, benchSeed, 0);
    for (int grown = 0; grown < growingLimit && livingShare(world) < populated; grown += stepsBetweenLooks)
        for (int step = 0; step < stepsBetweenLooks; ++step) simulationStep(world);
    return world;
}

// A world of the size, alive as the grown world of its topology is: each cell takes the life of the
// grown world's cell at the same place in the walk, round and round, over its own environment and
// without parents. Growing a world of a million cells would take minutes.
inline World populatedWorldOfSize(int topology, const WorldSizes& sizes)
{
    const World grown = growPopulatedWorld(topology);
    World world = newWorld(topology, benchSeed, sizes);
    world.switches = grown.switches;
    feedRules(world);
    const std::vector<std::int32_t>& from = grown.currentLattice->walkOrder();
    std::size_t walked = 0;
    for (const std::int32_t index : world.currentLattice->walkOrder()) {
        Cell& cell = world.cells[index];
        const float environment = cell.field[environmentField];
        cell = grown.cells[from[walked++ % from.size()]];
        cell.field[environmentField] = environment;
        cell.parent = -1;
    }
    return world;
}

inline void openBenchWindow(const char* name)
{
    static bool open = false;
    if (open) return;
    int argc = 1;
    char* argv[] = {const_cast<char*>(name), nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(benchFrameSize, benchFrameSize);
    mainWindow = glutCreateWindow(name);
    glutDisplayFunc(display);
    glEnable(GL_DEPTH_TEST);
    setMillisecondSource(platformMilliseconds);
    startClock();
    open = true;
}
