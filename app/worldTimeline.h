// The world's past and the person's actions on it: going back and forward a step at a time, and
// undo and redo, within one memory budget.
#pragma once

#include <cstddef>

// The memory the keyframes and the undo list share, in bytes (64 MiB until set).
void setHistoryBudget(std::size_t bytes);

// The world has been replaced (program start, a new topology, a loaded world): its past starts here.
void restartTimeline();
// The world has been stepped once (by the Speed controls or the Step button).
void timelineStepped();

// Before a person changes the world: keeps it for undo. Calls with the same source (the slider
// being dragged, the stroke being painted) make one action until endAction.
void beginAction(const void* source);
// After the change: the world's past records it, and the curves show it.
void actionChanged();
void endAction();
// The source of the action going on, nullptr for none.
const void* actionSource();

// One step back (the world pauses) or forward along the recorded steps; false when there is none.
bool stepBack();
bool stepForward();
// Undo and redo of whole actions; false when there is none.
bool undoAction();
bool redoAction();
