// Directories the programs write into.
#pragma once

#include <string>

// Makes the directory and its parents as mkdir -p does; "" when it is there afterwards, otherwise
// one line saying why not.
std::string makeDirectory(const std::string& path);

// The path from the root: a relative one is taken from the working directory (and left as it is
// when that cannot be read), so that it names the same file from anywhere.
std::string absolutePath(const std::string& path);
