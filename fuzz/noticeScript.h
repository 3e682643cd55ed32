// Fuzzing the about notice: any bytes as "copyright.txt".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Writes the bytes as a copyright.txt in a directory of the process's own, reads the notice and
// lays out its lines; returns what broke, or "" when the notice is the file's bytes (cut at
// the limit) and every line fits the notice window.
std::string runNoticeScript(const std::uint8_t* data, std::size_t size);
