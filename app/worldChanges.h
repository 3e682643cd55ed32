// Every change to the program's one world goes through here: a step, a person's action, going back
// and forward, undo and redo, a new world. Each is applied and recorded in the world's history, and
// then every watcher (the panels, the Plots window, the world window, the recording) is told what
// changed. Watchers read the world and ask for changes here; they never call one another.
#pragma once

#include "world.h"
#include "worldStatistics.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

// What changed, as the watchers are told.
enum class WorldChange {
    stepped,  // one simulation step
    edited,  // a person changed the world in place: a button, a slider, a stroke, a rule
    selected,  // another cell was selected; the world is as it was
    replaced,  // another world took its place: going back or forward, undo, redo, a new topology or world
    paused,  // going back found nothing older, and the world stopped running all the same
};

// The program's world, to read; only the functions below change it.
extern const World& world;

// The number of the world's state: it grows with every change the watchers are told of, before they
// are told.
std::uint64_t worldRevision();

// Adds a watcher, told of every change from then on, after the watchers added before it.
void watchWorld(std::function<void(WorldChange)> watcher);

// The world the program starts with (a new or a loaded one), its rule slots fed from its switches:
// its past starts here, with nothing to undo.
void startWorld(World started);
// The memory the history of going back and undo may hold, in bytes (64 MiB until set).
void setHistoryBudget(std::size_t bytes);

// One simulation step, stamped with the program clock.
void stepWorld();
// A new world of the topology from the world's generator, which undo takes back. A topology that
// fails leaves the world empty (undo keeps the world before the first try); a new one resets the view.
void changeTopology(int topology);
// A person's action: keeps the world for undo, applies change and records it. Calls with the same
// source (the slider dragged, the stroke painted) make one action until that source's action ends;
// a null source makes each call an action of its own.
void act(const void* source, const std::function<void(World&)>& change);
// Ends the action of source (nothing when another one is going on), and with null whichever is.
void endAction(const void* source = nullptr);
// The source of the action going on, nullptr for none.
const void* actionSource();
// Applies the Touch tool at a cell (-1: none under the mouse) with the view's selection and Outer
// mode: Select Cell selects it, the other tools are one action from press to release.
void touchWorld(int cell, int tool, float radius);
// The stroke's source, whose action a release of the button ends.
extern const int strokeSource;

// One step back (the world pauses) or forward along its past; undo and redo of whole actions.
// False, the world unchanged, when there is none: the first time in a row, standard output says
// that the history holds nothing further and, when the budget let something go, which option holds more.
bool goBack();
bool goForward();
bool undoAction();
bool redoAction();

// The statistics of the present world's own past, oldest first, ending with the present.
std::vector<WorldStatistics> pastRows();
// How many steps the present lies behind the newest recorded one (0 unless gone back).
int stepsBehind();
