// Saving the world from the window (Ctrl+S), while the program goes on.
#pragma once

#include <string>

// The --save-on-exit file, which Ctrl+S writes too; empty when none was given.
void setWindowSaveFile(const std::string& path);

// Writes the world to the --save-on-exit file, or else to quillmoss-STEP.qmw in the working
// directory (quillmoss-STEP-2.qmw and so on when that exists), through a new file renamed into
// place, and prints the path (the one given, or the name chosen made absolute); a failure is
// printed and changes nothing. False on failure.
bool saveFromWindow();
