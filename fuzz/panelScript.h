// Fuzzing the panel toolkit: a byte stream decoded into GLUT events for two panel windows holding
// every kind of control, with the toolkit's invariants checked after each event.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Opens the two windows (once per process); GLUT must be initialised, with a display.
void preparePanelScript();

// Sends the events the bytes describe; returns what broke, or "" when every invariant held.
std::string runPanelScript(const std::uint8_t* data, std::size_t size);
