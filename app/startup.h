// Program start: from the generator's seed to the event loop.
#pragma once

// Prints the credit banner; its first line is the program's name.
void printBanner();

// Seeds the generator, starts the clock, opens the world window, builds the first world and
// enters the event loop, which does not return.
int runQuillmoss(int argc, char** argv);
