// Whatever shows the program's world, set to watch it: the world window, the panels, the Plots
// window and the recording, told of each change in that order.
#pragma once

// Adds the watchers, once however often it is called.
void watchWorldFromEveryWindow();
