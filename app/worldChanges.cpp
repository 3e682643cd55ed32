// The program's world, its history and its watchers.
#include "worldChanges.h"

#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "worldActions.h"
#include "worldHistory.h"
#include "worldSettings.h"

#include <cstdio>
#include <utility>

namespace {

constexpr int bytesPerMegabyte = 1 << 20;
constexpr std::size_t defaultBudget = std::size_t{64} << 20;

World theWorld;
WorldHistory history(defaultBudget);
std::vector<std::function<void(WorldChange)>> watchers;
std::uint64_t revision = 1;
const void* openSource = nullptr;
std::string lastSaid;  // what the last moves that found nothing said, until the world changes
bool toldNothingKept = false;

// A world too large for the history's whole budget leaves no past to go back to or undo: said
// once, with the budget that would keep one copy of it.
void sayWhenNothingKept()
{
    const std::size_t unheld = history.unheldWorldBytes();
    if (unheld == 0 || toldNothingKept) return;
    toldNothingKept = true;
    const std::size_t megabytes = (unheld + bytesPerMegabyte - 1) / bytesPerMegabyte;
    std::printf(
        "quillmoss: the history keeps no past: one copy of this world takes %zu MiB, more than the history's "
        "memory; a --history-mb above %zu keeps one\n",
        megabytes, megabytes);
    std::fflush(stdout);
}

void tell(WorldChange change)
{
    ++revision;
    sayWhenNothingKept();
    if (change != WorldChange::paused) lastSaid.clear();
    for (const auto& watcher : watchers) watcher(change);
}

// A camera made for a world of another view scale would stand too near or too far, and clip it.
void fitCamera()
{
    if (view.camera.scale != viewScale(theWorld)) view.camera = worldCamera(theWorld);
}

// Another topology's world comes with a fresh view; a world of another scale with a camera for it.
void tellReplaced(int topologyBefore)
{
    topologyChoice = theWorld.topology;
    if (theWorld.topology != topologyBefore) {
        view.camera = worldCamera(theWorld);
        view.selectedIndex = -1;
    }
    fitCamera();
    tell(WorldChange::replaced);
}

void sayOnce(const std::string& said)
{
    if (said == lastSaid) return;
    lastSaid = said;
    std::printf("quillmoss: %s\n", said.c_str());
    std::fflush(stdout);
}

std::string moreKeptBy()
{
    return "a --history-mb above " + std::to_string(history.budgetBytes() / bytesPerMegabyte) + " keeps more";
}

// Moves the world along its history, running on from now; when there is nowhere to go, says why
// (nothing when noneLeft is empty).
template <typename Move>
bool replaceBy(Move move, const std::string& noneLeft, const std::string& budgetLimit)
{
    endAction();
    const int topologyBefore = theWorld.topology;
    if (move(theWorld)) {
        theWorld.lastStepTime = elapsedSeconds();
        tellReplaced(topologyBefore);
        return true;
    }
    if (!noneLeft.empty()) sayOnce(budgetLimit.empty() ? noneLeft : budgetLimit + "; " + moreKeptBy());
    return false;
}

void beginAction(const void* source)
{
    if (source && source == openSource) return;
    history.beginAction(theWorld);
    openSource = source;
}

}  // namespace

const World& world = theWorld;
const int strokeSource = 0;

std::uint64_t worldRevision() { return revision; }

void watchWorld(std::function<void(WorldChange)> watcher) { watchers.push_back(std::move(watcher)); }

void startWorld(World started)
{
    theWorld = std::move(started);
    feedRules(theWorld);
    theWorld.lastStepTime = elapsedSeconds();
    topologyChoice = theWorld.topology;
    fitCamera();
    openSource = nullptr;
    history.restart(theWorld);
    tell(WorldChange::replaced);
}

void setHistoryBudget(std::size_t bytes) { history.setBudget(bytes); }

void stepWorld()
{
    theWorld.lastStepTime = elapsedSeconds();
    history.step(theWorld);
    tell(WorldChange::stepped);
}

void changeTopology(int topology)
{
    const int topologyBefore = theWorld.topology;
    if (topology == topologyBefore) return;
    if (!theWorld.empty()) beginAction(nullptr);
    openSource = nullptr;
    setTopology(theWorld, topology);
    history.changed(theWorld);
    if (theWorld.empty()) return;
    tellReplaced(topologyBefore);
}

void act(const void* source, const std::function<void(World&)>& change)
{
    beginAction(source);
    change(theWorld);
    history.changed(theWorld);
    tell(WorldChange::edited);
}

void endAction(const void* source)
{
    if (!source || source == openSource) openSource = nullptr;
}

const void* actionSource() { return openSource; }

void touchWorld(int cell, int tool, float radius)
{
    const TouchView touched{view.selectedIndex, view.outerRenderMode};
    if (tool == selectCellTool) {
        touch(theWorld, touched, cell, tool, radius);
        tell(WorldChange::selected);
    } else if (tool != -1) {
        act(&strokeSource, [&](World& changed) { touch(changed, touched, cell, tool, radius); });
    }
}

bool goBack()
{
    speed = 0;
    const bool moved =
        replaceBy([](World& replaced) { return history.back(replaced); },
                  "going back stops at step " + std::to_string(theWorld.stepCount) + ": the world's past begins there",
                  history.pastDropped() ? "going back stops at step " + std::to_string(theWorld.stepCount) +
                                              ": older steps were let go to keep to the history's memory"
                                        : "");
    if (!moved) tell(WorldChange::paused);
    return moved;
}

bool goForward()
{
    return replaceBy([](World& replaced) { return history.forward(replaced); }, "", "");
}

bool undoAction()
{
    return replaceBy([](World& replaced) { return history.undo(replaced); }, "nothing to undo",
                     history.actionsDropped() ? "no older action is kept: older ones were let go to keep to the "
                                                "history's memory"
                                              : "");
}

bool redoAction()
{
    return replaceBy([](World& replaced) { return history.redo(replaced); }, "nothing to redo", "");
}

std::vector<WorldStatistics> pastRows() { return history.pastRows(); }

int stepsBehind() { return history.newest() - history.present(); }
