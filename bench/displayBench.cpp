// A frame of the world window on a populated world of each topology (Outer Environment, Inner
// Culture, Z Environment), beside the same triangles drawn from vertex arrays: the ceiling of
// this GL path on this machine.
#include "benchWorlds.h"
#include "perTopology.h"
#include "plotsWindow.h"
#include "worldChanges.h"
#include "worldFrame.h"
#include "worldWatchers.h"

#include <GL/freeglut.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr float captureExtent = 128.0f;  // object coordinates within +-128 are captured one to one
constexpr int captureSize = 256;

void populate(int topology)
{
    startWorld(growPopulatedWorld(topology));
    view = View{};  // Outer Environment, Inner Culture, Z Environment
    keepTilesInWindowBuffers();  // as the program does
}

// The triangles the frame draws, in object coordinates with their colours, through GL feedback.
struct triangles {
    std::vector<float> vertices;  // x, y, z per vertex
    std::vector<float> colours;  // r, g, b per vertex
};

triangles captureFrame()
{
    std::vector<float> buffer(1 << 23);
    glViewport(0, 0, captureSize, captureSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-captureExtent, captureExtent, -captureExtent, captureExtent, -captureExtent, captureExtent);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    drawWorldLayers(world, view);
    const int count = glRenderMode(GL_RENDER);
    glViewport(0, 0, benchFrameSize, benchFrameSize);

    // Each vertex comes as x, y, z, then red, green, blue, alpha.
    triangles captured;
    for (int at = 0; at < count;) {
        const int token = static_cast<int>(buffer[at++]);
        if (token != GL_POLYGON_TOKEN) break;
        const int corners = static_cast<int>(buffer[at++]);
        for (int corner = 0; corner < corners; ++corner, at += 7) {
            captured.vertices.push_back(buffer[at] - captureExtent);
            captured.vertices.push_back(buffer[at + 1] - captureExtent);
            captured.vertices.push_back((0.5f - buffer[at + 2]) * 2.0f * captureExtent);
            captured.colours.insert(captured.colours.end(), &buffer[at + 3], &buffer[at + 6]);
        }
    }
    return captured;
}

void drawReference(const triangles& frame)
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    setProjectionAndCamera(view.camera);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, frame.vertices.data());
    glColorPointer(3, GL_FLOAT, 0, frame.colours.data());
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(frame.vertices.size() / 3));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glutSwapBuffers();
    glFinish();
}

template <typename Draw>
double secondsOf(Draw draw)
{
    const auto start = std::chrono::steady_clock::now();
    draw();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void drawOurs()
{
    display();
    glFinish();
}

// Our frame and the reference frame alternate, so that a machine busier in one moment than in the
// next slows both alike; the benchmark's time is that of our frames.
void frame(benchmark::State& state, int topology)
{
    openBenchWindow("displayBench");
    populate(topology);
    const triangles reference = captureFrame();
    drawReference(reference);
    drawOurs();

    double referenceSeconds = 0.0, ourSeconds = 0.0;
    for (auto _ : state) {
        referenceSeconds += secondsOf([&reference] { drawReference(reference); });
        const double ours = secondsOf(drawOurs);
        ourSeconds += ours;
        state.SetIterationTime(ours);
    }
    const double frames = static_cast<double>(state.iterations());
    state.counters["fps"] = frames / ourSeconds;
    state.counters["referenceFps"] = frames / referenceSeconds;
    state.counters["referenceToOurs"] = referenceSeconds / ourSeconds;  // goal: at least 1
    state.counters["triangles"] = static_cast<double>(reference.vertices.size() / 9);
}
const bool frameRegistered = perTopology("frame", frame, benchmark::kMillisecond, true);

// A frame of a large world at the window's size with the camera a topology change gives it, as a
// multiple of a frame of the populated default plane measured before and after it in the same run.
double defaultPlaneFrameSeconds()
{
    constexpr int frames = 50;
    populate(planeTopology);
    drawOurs();
    double seconds = 0.0;
    for (int drawn = 0; drawn < frames; ++drawn) seconds += secondsOf(drawOurs);
    return seconds / frames;
}

void largeFrame(benchmark::State& state, int topology, const WorldSizes& sizes)
{
    openBenchWindow("displayBench");
    const double defaultBefore = defaultPlaneFrameSeconds();
    startWorld(populatedWorldOfSize(topology, sizes));
    view = View{};
    keepTilesInWindowBuffers();
    view.camera = worldCamera(world);
    state.counters["cells"] = static_cast<double>(world.currentLattice->walkOrder().size());
    drawOurs();
    double seconds = 0.0;
    for (auto _ : state) {
        const double one = secondsOf(drawOurs);
        seconds += one;
        state.SetIterationTime(one);
    }
    const double frame = seconds / static_cast<double>(state.iterations());
    const double defaultFrame = (defaultBefore + defaultPlaneFrameSeconds()) / 2.0;
    state.counters["defaultPlaneMs"] = defaultFrame * 1e3;
    state.counters["toDefaultPlane"] = frame / defaultFrame;  // goal: at most 4
}

WorldSizes largeSizes()
{
    constexpr int planeSide = 1024, sphereRows = 887;  // about a million cells each
    WorldSizes sizes;
    sizes.planeWidth = sizes.planeHeight = planeSide;
    sizes.sphereRows = sphereRows;
    return sizes;
}

const bool largeFramesRegistered = [] {
    for (const int topology : {planeTopology, sphereTopology})
        benchmark::RegisterBenchmark(
            (std::string("largeFrame/") + topologyNames[topology] + "/" + sizeText(topology, largeSizes())).c_str(),
            [topology](benchmark::State& state) { largeFrame(state, topology, largeSizes()); })
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime();
    return true;
}();

// A step and its frame, as the window runs at full speed, with the Plots window closed and open by
// turns of one second; the benchmark's time is the seconds with it open, the counters per step. The statistics are
// recorded after every step either way (the curves show the steps taken while closed); open, the
// window shows them as the program does, at most ten times a second.
double secondOfSteps(int& steps)
{
    const auto start = std::chrono::steady_clock::now();
    double seconds = 0.0;
    for (steps = 0; seconds < 1.0; ++steps) {
        stepWorld();
        drawOurs();
        glutMainLoopEvent();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    return seconds;
}

void frameAndStep(benchmark::State& state, int topology)
{
    openBenchWindow("displayBench");
    watchWorldFromEveryWindow();
    populate(topology);
    double without = 0.0, with = 0.0;
    int stepsWithout = 0, stepsWith = 0;
    constexpr int turns = 4;  // a busier moment in one turn than in the next weighs on both alike
    for (auto _ : state) {
        double plotted = 0.0;
        // The world goes on changing from turn to turn: the order alternates, so neither side
        // always meets the later, busier world.
        for (int turn = 0; turn < 2 * turns; ++turn) {
            const bool open = (turn % 4 == 1 || turn % 4 == 2);
            open ? openPlots() : closePlots();
            int steps = 0;
            const double seconds = secondOfSteps(steps);
            (open ? plotted : without) += seconds;
            (open ? stepsWith : stepsWithout) += steps;
        }
        with += plotted;
        state.SetIterationTime(plotted);
    }
    openPlots();
    drawPlots();  // the first showing makes the characters
    const double oneRedraw = secondsOf([] {
        drawPlots();
        glFinish();
    });
    closePlots();
    state.counters["withoutPlotsMs"] = without * 1e3 / stepsWithout;
    state.counters["withPlotsMs"] = with * 1e3 / stepsWith;
    state.counters["withPlotsToWithout"] = (with / stepsWith) / (without / stepsWithout);  // goal: at most 1.1
    state.counters["oneRedrawMs"] = oneRedraw * 1e3;
}

const bool frameAndStepRegistered = perTopology("frameAndStep", frameAndStep, benchmark::kMillisecond, true);

}  // namespace
