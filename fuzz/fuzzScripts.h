// Fuzzing: byte streams decoded into world operations, world files, panel events and notice texts, each with
// the invariants it must keep. The libFuzzer targets and the tests that replay their inputs share them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Each script returns what broke, or "" when every invariant held throughout. A script's state,
// when asked for, is a fingerprint of where its last input left the world or the windows.

// Runs the operations the bytes describe (at most the given number) on a world of its own; the
// world's invariants (worldInvariants.h) hold after each.
std::string runWorldScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state = nullptr, int operations = 24);

// Loads the bytes as a world file, as they are and with their checksum made right: each is refused
// with a reason and no world, or loaded with valid links, the world's invariants holding through a
// few steps.
std::string runWorldFileScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state = nullptr);
// A world file's bytes with their FNV-1a checksum made right, so that the checks behind it see them too.
std::vector<std::uint8_t> withChecksum(std::vector<std::uint8_t> bytes);

// Sends the events the bytes describe to two panel windows holding every kind of control, opened
// on the first call (which initialises GLUT where nothing else did); it needs a display.
std::string runPanelScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state = nullptr);

// Writes the bytes as a copyright.txt, reads the notice and lays out its lines: the notice is the
// file's bytes (cut at the limit) and every line fits the notice window.
std::string runNoticeScript(const std::uint8_t* data, std::size_t size, std::uint64_t* state = nullptr);
