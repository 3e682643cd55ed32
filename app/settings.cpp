// The settings and their values at start.
#include "settings.h"

#include "world.h"

int topologyChoice = planeTopology;
