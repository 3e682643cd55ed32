// A directory worked in by one process at a time: an advisory lock on DIR/.lock, which the system
// lets go when the holder ends, however it ends.
#pragma once

#include <string>

class DirectoryLock {
public:
    // Takes the lock at once, or not at all when another process holds it.
    explicit DirectoryLock(const std::string& directory);
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;
    ~DirectoryLock();

    // "" when this process holds the lock, otherwise why not: "DIR is in use by process N".
    const std::string& problem() const { return reason; }

private:
    int descriptor = -1;
    std::string reason;
};

// "" when no other process holds the directory's lock, otherwise "is in use by process N".
std::string directoryInUse(const std::string& directory);
