// The entry point of Quillmoss.
#include "entryGuard.h"
#include "startup.h"

#include <cstdio>

int main(int argc, char** argv)
{
    // Diagnostics are whole lines; line buffering shows each one at once when stdout is a pipe.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return runGuarded(runQuillmoss, argc, argv, stdin);
}
