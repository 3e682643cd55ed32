// The render settings at start.
#include "renderSettings.h"

#include "renderMode.h"

int innerRenderMode = cultureMode;
int zRenderMode = environmentMode;
float tileSize = 0.55f;
float elevation = 1.0f;
