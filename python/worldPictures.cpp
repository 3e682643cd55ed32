// Pictures of worlds through one offscreen context, shared by the threads of the process in turn
// and by the children it forks.
#include "worldPictures.h"

#include "offscreenContext.h"
#include "view.h"
#include "worldSnapshot.h"

#include <pthread.h>

#include <cstdlib>
#include <mutex>
#include <string>

namespace {

// The number of threads Mesa's software rasteriser draws with, read when the display is initialised.
constexpr const char* rasteriserThreads = "LP_NUM_THREADS";

std::mutex contextInUse;
// Made by the first picture and never freed: freeing it waits on Mesa's shader-cache thread,
// which a forked child does not have. contextInUse guards it and every use.
OffscreenContext* context = nullptr;

// The rasteriser's threads belong to the display, one per process, and a forked child has none
// of them: a draw there would wait for them forever, and no new context or display can be had in
// the child without tearing the old one down, which would wait too. So the pictures' context
// draws in the calling thread alone (at the window's size this costs nothing measurable), and a
// child draws with the context it inherits. The setting holds only while the context is made:
// other OpenGL in the process keeps its threads.
OffscreenContext* threadlessContext()
{
    const char* const setBefore = std::getenv(rasteriserThreads);
    const std::string before = setBefore ? setBefore : "";
    setenv(rasteriserThreads, "0", 1);
    auto* made = new OffscreenContext(snapshotSize, snapshotSize);
    if (setBefore) {
        setenv(rasteriserThreads, before.c_str(), 1);
    } else {
        unsetenv(rasteriserThreads);
    }
    made->release();
    return made;
}

// Held across a fork, so that no child inherits the context half-way through a draw.
void holdForFork() { contextInUse.lock(); }
void letGoAfterFork() { contextInUse.unlock(); }

// The context, made on first use; contextInUse must be held.
OffscreenContext& offscreenContext()
{
    [[maybe_unused]] static const int forkWatched = pthread_atfork(holdForFork, letGoAfterFork, letGoAfterFork);
    if (!context) context = threadlessContext();
    return *context;
}

}  // namespace

Picture worldPicture(const World& world, int outerMode, int innerMode, std::string& problem)
{
    const std::lock_guard<std::mutex> held(contextInUse);
    OffscreenContext& drawing = offscreenContext();
    if (!drawing.makeCurrent()) {
        problem = drawing.ready() ? "the offscreen OpenGL context could not be made current" : drawing.problem();
        return {};
    }
    View view;
    view.camera = worldCamera(world);
    view.outerRenderMode = outerMode;
    view.innerRenderMode = innerMode;
    Picture picture = drawSnapshot(world, view);
    drawing.release();
    return picture;
}
