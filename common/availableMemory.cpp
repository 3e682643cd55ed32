// Reading the memory the kernel says is available.
#include "availableMemory.h"

#include <unistd.h>

#include <cstdio>

namespace {
constexpr std::uint64_t bytesPerKilobyte = 1024;
}

std::uint64_t availableMemoryBytes()
{
    if (std::FILE* meminfo = std::fopen("/proc/meminfo", "r")) {
        char line[256];
        unsigned long long kilobytes = 0;
        bool found = false;
        while (!found && std::fgets(line, sizeof line, meminfo))
            found = std::sscanf(line, "MemAvailable: %llu kB", &kilobytes) == 1;
        std::fclose(meminfo);
        if (found) return kilobytes * bytesPerKilobyte;
    }
    const long pages = sysconf(_SC_AVPHYS_PAGES);
    const long pageBytes = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageBytes <= 0) return 0;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageBytes);
}
