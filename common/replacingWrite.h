// Writing a whole file so that it is never seen half written, under a name that may be new.
#pragma once

#include <string>
#include <vector>

// Writes bytes to path through a new file beside it (temporaryFor(path)), written through to the
// disk and then renamed over path, so path holds either its old content or all of the new. Why
// not, in a few words with the system's reason, or "" when all went well; nothing is left behind.
std::string writeReplacing(const std::string& path, const std::vector<unsigned char>& bytes);

// The new file writeReplacing writes first: the process id keeps two programs saving to the same
// path from writing into one new file.
std::string temporaryFor(const std::string& path);

// stem + extension when no file has that name, else the first free of stem-2 + extension,
// stem-3 + extension and so on.
std::string unusedName(const std::string& stem, const std::string& extension);
