// The world's settings and their values at start.
#include "worldSettings.h"

#include "renderMode.h"

int outerRenderMode = environmentMode;
