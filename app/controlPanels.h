// The "Simulation" and "Render" windows: every control bound to its setting, and their callbacks.
#pragma once

#include "worldChanges.h"

class PanelWindow;

extern PanelWindow* simulationPanel;
extern PanelWindow* renderPanel;

// Builds the windows in the order that fixes their layout; both are given the world window.
// Simulation opens at (0, 0), Render at (0, 680); start-up moves them where the screen needs.
void buildSimulationPanel();
void buildRenderPanel();

// The push buttons: 0 "Kill All", 1 "Seed Life", 2 "Generate Env", 3 "Step" (whatever the speed);
// then, for every id, the panel shows the selection.
void onShivaButton(int id);
// Cell slider i writes field i of the selected cell, or of every cell of the panel group with
// "Entire Group" on.
void onCellSlider(int id);
// The Group radio and the Parameter sliders give the panel group's record to all its living members.
void onGroupEdit(int id);
// The "Pollution" and "Human Rules" boxes and the "Disaster Rate" slider give their setting to the
// world, whose rule slots follow at once.
void onRuleEdit(int id);

// Whether the action going on is a drag of one of the panels' sliders that has been let go.
bool sliderLetGo(const void* actionSource);

// The panels' watcher of the world: after a step with a cell selected, a selection, and whatever
// replaces the world, the panels show it (syncPanelFromSelection); the edits made from the panels
// show already, and the Shiva buttons show the world themselves.
void showWorldChange(WorldChange change);

// Shows the selected cell in the Cell sliders and its group in the Group controls, and the world's
// rules, disaster rate and topology; a value outside 0..1 is reported on standard output as
// "cell field <i> = <value>".
void syncPanelFromSelection();
