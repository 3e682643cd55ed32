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

// The undo list keeps its actions first; the keyframes take what is left.
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
    shareBudget();
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
    shareBudget();
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

bool stepBack()
{
    endAction();
    settleChange();
    speed = 0;
    if (!history.back(world)) {
        syncPanelFromSelection();
        return false;
    }
    showReplacedWorld();
    recordPlots();
    return true;
}

bool stepForward()
{
    endAction();
    settleChange();
    if (!history.forward(world)) return false;
    showReplacedWorld();
    recordPlots();
    return true;
}

bool undoAction()
{
    endAction();
    settleChange();
    if (!actions.undo(world)) return false;
    showReplacedWorld();
    restartTimeline();
    return true;
}

bool redoAction()
{
    endAction();
    settleChange();
    if (!actions.redo(world)) return false;
    showReplacedWorld();
    restartTimeline();
    return true;
}
