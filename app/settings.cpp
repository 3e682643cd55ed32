// The shell's settings at start.
#include "settings.h"

#include "world.h"
#include "worldActions.h"

int topologyChoice = planeTopology;
int speed = 3;
int pollutionSetting = 0;
int humanRulesSetting = 0;
float disasterRateSetting = 0.0f;
int touchTool = selectCellTool;
float cellSliders[cellFieldCount] = {};
int entireGroup = 0;
Group panelGroup = Group{-1, 0, 0.0f, 0.0f, noGroupColour};
