// Pictures of worlds through one offscreen context, shared by the threads of the process in turn.
#include "worldPictures.h"

#include "offscreenContext.h"
#include "view.h"
#include "worldSnapshot.h"

#include <memory>
#include <mutex>

namespace {

std::mutex contextInUse;

// Made by the first picture, in whichever thread asks first; contextInUse guards every use.
OffscreenContext& offscreenContext()
{
    static const std::unique_ptr<OffscreenContext> context = [] {
        auto made = std::make_unique<OffscreenContext>(snapshotSize, snapshotSize);
        made->release();
        return made;
    }();
    return *context;
}

}  // namespace

Picture worldPicture(const World& world, int outerMode, int innerMode, std::string& problem)
{
    const std::lock_guard<std::mutex> held(contextInUse);
    OffscreenContext& context = offscreenContext();
    if (!context.makeCurrent()) {
        problem = context.ready() ? "the offscreen OpenGL context could not be made current" : context.problem();
        return {};
    }
    View view;
    view.outerRenderMode = outerMode;
    view.innerRenderMode = innerMode;
    Picture picture = drawSnapshot(world, view);
    context.release();
    return picture;
}
