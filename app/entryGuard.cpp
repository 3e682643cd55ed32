// Reporting an exception that escapes the program.
#include "entryGuard.h"

#include <exception>

namespace {
constexpr int escapedStatus = 1;
}  // namespace

int runGuarded(EntryPoint body, int argc, char** argv, std::FILE* console)
{
    try {
        return body(argc, argv);
    } catch (const std::exception& escaped) {
        std::printf("Exception: %s\n", escaped.what());
        std::fflush(stdout);
        std::fgetc(console);
    }
    return escapedStatus;
}
