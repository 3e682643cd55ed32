// The commands of quillmoss-lab. Each returns the process's exit status: 0 when everything was
// written, 1 when something could not be (the reason on standard error).
#pragma once

#include "labOptions.h"

int runCommand(const LabOptions& options);
int saveCommand(const LabOptions& options);
int benchCommand(const LabOptions& options);
// 2 for a sweep that cannot be run or collected as asked (a different plan, missing runs).
int sweepCommand(const LabOptions& options);
