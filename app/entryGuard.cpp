// Reporting an exception that escapes the program.
#include "entryGuard.h"

#include <exception>

int runGuarded(EntryPoint body, int argc, char** argv, std::FILE* console)
{
    try {
        body(argc, argv);
    } catch (const std::exception& escaped) {
        std::printf("Exception: %s\n", escaped.what());
        std::fflush(stdout);
        std::fgetc(console);
    }
    return 0;
}
