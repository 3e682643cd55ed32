// The settings the control panels edit that the shell reads.
#pragma once

#include "cell.h"

// Topology radio: 0 Plane, 1 Disc, 2 Sphere.
extern int topologyChoice;

// Speed radio: 0 "Paused", 1 "Turtle", 2 "Llama", 3 "Swallow", 4 "Cheetah".
extern int speed;

// The "Pollution" and "Human Rules" boxes and the "Disaster Rate" slider: their callback gives them
// to the world, and the panel refresh takes them from it.
extern int pollutionSetting;
extern int humanRulesSetting;
extern float disasterRateSetting;

// Touch radio: a TouchTool, 4 "Select Cell" at start.
extern int touchTool;

// The Cell sliders, one per cell field; the panel refresh fills them from the selected cell.
extern float cellSliders[cellFieldCount];

// "Entire Group": the Cell sliders write the whole panel group rather than the selected cell.
extern int entireGroup;

// The panel's group record: the Group radio and the two Parameter sliders edit its field,
// centre and deviation; the panel refresh reads the selected cell's group into it.
extern Group panelGroup;
