// Ctrl+S: the world saved under a name that takes nothing else's place.
#include "windowSave.h"

#include "directories.h"
#include "replacingWrite.h"
#include "worldChanges.h"
#include "worldFile.h"

#include <cstdio>

namespace {
std::string saveFile;
}  // namespace

void setWindowSaveFile(const std::string& path) { saveFile = path; }

bool saveFromWindow()
{
    const std::string path =
        saveFile.empty() ? absolutePath(unusedName("quillmoss-" + std::to_string(world.stepCount), ".qmw")) : saveFile;
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
