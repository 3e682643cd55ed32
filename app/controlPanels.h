// The "Simulation" and "Render" windows: every control bound to its setting, and their callbacks.
#pragma once

class PanelWindow;

extern PanelWindow* simulationPanel;
extern PanelWindow* renderPanel;

// Builds the windows in the order that fixes their layout; both are given the world window.
void buildSimulationPanel();
// The Render window opens at (0, 680).
void buildRenderPanel();

// The push buttons: 0 "Kill All", 1 "Seed Life", 2 "Generate Env", 3 "Step" (whatever the speed);
// then, for every id, the panel shows the selection.
void onShivaButton(int id);
// Cell slider i writes field i of the selected cell, or of every cell of the panel group with
// "Entire Group" on.
void onCellSlider(int id);
// The Group radio and the Parameter sliders give the panel group's record to all its living members.
void onGroupEdit(int id);
// The "Pollution" and "Human Rules" boxes and the "Disaster Rate" slider give their setting to the world.
void onRuleEdit(int id);

// Whether the action going on is a drag of one of the panels' sliders that has been let go.
bool sliderLetGo(const void* actionSource);

// Shows the selected cell in the Cell sliders and its group in the Group controls, and the world's
// rules, disaster rate and topology; a value outside 0..1 is reported on standard output as
// "cell field <i> = <value>".
void syncPanelFromSelection();
