// The Plots window: the world's statistics as curves over its last steps, each with its own scale
// and its current value, drawn with the panels' look beside the world window.
#pragma once

#include "statisticsSeries.h"

#include <string>

// The rows the curves show: the world as it stands after each step, recorded whether the window is
// open or not, so that opening it shows the steps so far.
extern StatisticsSeries plottedSeries;

// Opens the window (nothing when it is open), closes it (nothing when it is closed), or either.
void openPlots();
void closePlots();
void togglePlots();
bool plotsOpen();
// Draws the curves into the window now, when it is open, as its display callback does.
void drawPlots();

// Measures the world as it stands into the curves, and shows them when the window is open.
void recordPlots();
// Asks for the curves to be shown when they changed and the last showing is a tenth of a second
// old; otherwise the milliseconds until they are due (-1: nothing waits). Each frame asks.
int showPlotsWhenDue();
// Starts the curves again from the world as it stands (a new topology, a loaded world, an undo).
void restartPlots();

// The curves' rows as the lab's stats.csv writes them.
std::string plotsTable();
