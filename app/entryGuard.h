// The guard around the whole program.
#pragma once

#include <cstdio>

using EntryPoint = int (*)(int argc, char** argv);

// Runs body; a standard exception escaping it is reported as "Exception: <message>" on standard
// output, then one character is read from console so that a console window waits for Enter.
// Returns body's status, or 1 when an exception escaped it.
int runGuarded(EntryPoint body, int argc, char** argv, std::FILE* console);
