// Files written through a temporary one renamed into place.
#include "replacingWrite.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

std::string systemReason() { return std::strerror(errno); }

// Writes every byte through to the disk and closes the file; why not, or empty when all went well.
std::string writeAndClose(std::FILE* file, const std::vector<unsigned char>& bytes)
{
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const std::string problem = written ? std::string() : "cannot write: " + systemReason();
    const bool closed = std::fclose(file) == 0;
    if (!problem.empty() || closed) return problem;
    return "cannot write: " + systemReason();
}

bool exists(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

}  // namespace

std::string temporaryFor(const std::string& path) { return path + ".saving-" + std::to_string(getpid()); }

std::string writeReplacing(const std::string& path, const std::vector<unsigned char>& bytes)
{
    const std::string temporary = temporaryFor(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file) return "cannot create the file: " + systemReason();
    std::string problem = writeAndClose(file, bytes);
    if (problem.empty() && std::rename(temporary.c_str(), path.c_str()) != 0)
        problem = "cannot replace the file: " + systemReason();
    if (!problem.empty()) std::remove(temporary.c_str());
    return problem;
}

std::string unusedName(const std::string& stem, const std::string& extension)
{
    std::string name = stem + extension;
    for (int copy = 2; exists(name); ++copy) name = stem + "-" + std::to_string(copy) + extension;
    return name;
}
