// Keyframes and undo for the program's one world.
#include "worldTimeline.h"

#include "actionHistory.h"
#include "controlPanels.h"
#include "plotsWindow.h"
#include "programClock.h"
#include "settings.h"
#include "shellState.h"
#include "worldHistory.h"

namespace {

constexpr std::size_t defaultBudget = std::size_t{64} << 20;
constexpr int keyframeInterval = 25;  // going back one step costs at most this many steps

std::size_t budget = defaultBudget;
WorldHistory history(defaultBudget, keyframeInterval);
ActionHistory actions;
const void* openAction = nullptr;
bool changePending = false;  // a change made but not yet in the world's past

// The undo list keeps its actions first; the keyframes take what is left. Shared again whenever
// the undo list changes; the keyframes keep to their share by themselves.
void shareBudget()
{
    actions.trim(budget);
    history.setBudget(budget > actions.bytes() ? budget - actions.bytes() : 0);
}

// A change goes into the world's past once, before the world moves on from it.
void settleChange()
{
    if (!changePending) return;
    changePending = false;
    history.changed(world);
}

// After the world was replaced by one of its past or undone: the panels, the pace and the curves follow it.
void showReplacedWorld()
{
    world.lastStepTime = elapsedSeconds();
    topologyChoice = world.topology;
    syncPanelFromSelection();
}

}  // namespace

void setHistoryBudget(std::size_t bytes)
{
    budget = bytes;
    shareBudget();
}

void restartTimeline()
{
    changePending = false;
    history.restart(world);
    shareBudget();
    restartPlots();
}

void timelineStepped()
{
    settleChange();
    history.stepped(world);
    recordPlots();
}

void beginAction(const void* source)
{
    if (source == openAction && source) return;
    settleChange();
    actions.begin(world);
    openAction = source;
    shareBudget();
}

void actionChanged()
{
    changePending = true;
    recordPlots();
}

void endAction() { openAction = nullptr; }

const void* actionSource() { return openAction; }

// Replaces the world by move (a step of its past, an undo or a redo), after ending the action going
// on and recording a change made; its past starts again after an undo or a redo. False, world
// unchanged, when move finds nothing.
template <typename Move>
bool replaceWorld(Move move, bool pastStartsAgain)
{
    endAction();
    settleChange();
    if (!move(world)) return false;
    showReplacedWorld();
    pastStartsAgain ? restartTimeline() : recordPlots();
    return true;
}

bool stepBack()
{
    speed = 0;
    if (replaceWorld([](World& replaced) { return history.back(replaced); }, false)) return true;
    syncPanelFromSelection();
    return false;
}

bool stepForward()
{
    return replaceWorld([](World& replaced) { return history.forward(replaced); }, false);
}

bool undoAction()
{
    return replaceWorld([](World& replaced) { return actions.undo(replaced); }, true);
}

bool redoAction()
{
    return replaceWorld([](World& replaced) { return actions.redo(replaced); }, true);
}
