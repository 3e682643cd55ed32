// Recording the world window: its picture after every Kth step, written as DIR/frame-STEP.png.
#pragma once

#include "worldChanges.h"

#include <string>

// Makes the directory (and its parents) and records into it from now on; why it cannot, or "".
std::string startRecording(const std::string& directory, int every);

// The recording's watcher of the world: after a step, when recording and the step count is a
// multiple of K, draws the frame into the world window's back buffer and writes it (windows
// covering the world window do not matter). A picture that cannot be written stops the
// recording, with the reason on standard error.
void recordStep(WorldChange change);
