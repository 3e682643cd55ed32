// The world saved on exit, and rescued when its file cannot be written then.
#include "saveOnExit.h"

#include "directories.h"
#include "worldChanges.h"
#include "worldFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string temporaryDirectory()
{
    const char* named = std::getenv("TMPDIR");
    return named && *named ? named : "/tmp";
}

// The time and the process id keep a rescue from replacing an earlier one.
std::string rescueName()
{
    char stamp[32];
    const std::time_t now = std::time(nullptr);
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", std::localtime(&now));
    return "quillmoss-rescue-" + std::string(stamp) + "-" + std::to_string(getpid()) + ".qmw";
}

}  // namespace

std::string saveOnExitProblem(const std::string& path)
{
    const std::string directory = directoryOf(path);
    struct stat status {};
    if (stat(directory.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return "--save-on-exit: there is no directory " + directory + " to save " + path + " in";
    const std::string problem = worldFileWriteProblem(path);
    return problem.empty() ? problem : "--save-on-exit: " + problem;
}

bool saveOnExit(const std::string& path)
{
    std::string problem;
    if (path.empty() || saveWorld(world, path, problem)) return true;
    std::fprintf(stderr, "quillmoss: the world was not saved: %s\n", problem.c_str());
    // The full path, so that the printed one can be found from anywhere.
    for (const std::string& rescue : {absolutePath(rescueName()), temporaryDirectory() + "/" + rescueName()}) {
        if (saveWorld(world, rescue, problem)) {
            std::fprintf(stderr, "quillmoss: the world was saved to %s instead\n", rescue.c_str());
            return false;
        }
    }
    std::fprintf(stderr, "quillmoss: nor could it be saved to a rescue file: %s\n", problem.c_str());
    return false;
}
