// Directories the programs write into.
#pragma once

#include <string>

// Makes the directory and its parents as mkdir -p does; "" when it is there afterwards, otherwise
// one line saying why not.
std::string makeDirectory(const std::string& path);
