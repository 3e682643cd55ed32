// Ctrl+S: the world saved under a name that takes nothing else's place.
#include "windowSave.h"

#include "shellState.h"
#include "worldFile.h"

#include <sys/stat.h>

#include <cstdio>

namespace {

std::string saveFile;

bool exists(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0;
}

std::string newSaveName(int step)
{
    const std::string stem = "quillmoss-" + std::to_string(step);
    std::string name = stem + ".qmw";
    for (int copy = 2; exists(name); ++copy) name = stem + "-" + std::to_string(copy) + ".qmw";
    return name;
}

}  // namespace

void setWindowSaveFile(const std::string& path) { saveFile = path; }

bool saveFromWindow()
{
    const std::string path = saveFile.empty() ? newSaveName(world.stepCount) : saveFile;
    std::string problem;
    const bool saved = saveWorld(world, path, problem);
    if (saved) {
        std::printf("quillmoss: saved the world to %s\n", path.c_str());
    } else {
        std::fprintf(stderr, "quillmoss: the world was not saved: %s\n", problem.c_str());
    }
    std::fflush(stdout);
    return saved;
}
