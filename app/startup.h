// Program start: from the generator's seed to the event loop.
#pragma once

// Prints the credit banner; its first line is the program's name.
void printBanner();

// Reads the command line, seeds the generator (or loads the world), starts the clock, opens the
// world window, builds the first world and runs the event loop until a window is closed; then saves
// the world when asked. The process's status: 0, 1 when the world could not be saved, 2 for a bad
// command line or world file (before any window opens).
int runQuillmoss(int argc, char** argv);
