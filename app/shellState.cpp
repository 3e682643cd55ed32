// The shell's process-wide state.
#include "shellState.h"

int mainWindow = 0;
View view;
