// Making directories.
#include "directories.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

std::string makeDirectory(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0777) != 0 && errno != EEXIST) return "cannot make " + part + ": " + std::strerror(errno);
        if (slash == std::string::npos) break;
    }
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) return path + " is not a directory";
    return {};
}

std::string absolutePath(const std::string& path)
{
    if (path.empty() || path[0] == '/') return path;
    char directory[PATH_MAX];
    return getcwd(directory, sizeof directory) ? std::string(directory) + "/" + path : path;
}
