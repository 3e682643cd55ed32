// The shell's settings at start.
#include "settings.h"

#include "world.h"
#include "worldActions.h"

int topologyChoice = planeTopology;
int speed = 3;
int touchTool = selectCellTool;
