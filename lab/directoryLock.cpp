// POSIX record locks, which also hold on the shared file systems of clusters, and which name
// their holder.
#include "directoryLock.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

std::string lockPath(const std::string& directory) { return directory + "/.lock"; }

struct flock wholeFile(short type)
{
    struct flock region {};
    region.l_type = type;
    region.l_whence = SEEK_SET;
    return region;
}

// "" when no other process holds the lock, otherwise " is in use by process N".
std::string heldBy(int descriptor)
{
    struct flock region = wholeFile(F_WRLCK);
    if (fcntl(descriptor, F_GETLK, &region) != 0 || region.l_type == F_UNLCK) return {};
    // A lock held on another machine of a shared file system has no process number here.
    return " is in use by " + (region.l_pid > 0 ? "process " + std::to_string(region.l_pid) : std::string("another machine"));
}

}  // namespace

DirectoryLock::DirectoryLock(const std::string& directory)
{
    descriptor = open(lockPath(directory).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        reason = "cannot lock " + directory + ": " + std::strerror(errno);
        return;
    }
    struct flock region = wholeFile(F_WRLCK);
    if (fcntl(descriptor, F_SETLK, &region) == 0) return;
    const int failure = errno;
    const std::string holder = heldBy(descriptor);
    close(descriptor);
    descriptor = -1;
    if ((failure == EACCES || failure == EAGAIN) && !holder.empty()) reason = directory + holder;
    else reason = "cannot lock " + directory + ": " + std::strerror(failure);
}

DirectoryLock::~DirectoryLock()
{
    if (descriptor >= 0) close(descriptor);
}

std::string directoryInUse(const std::string& directory)
{
    const int descriptor = open(lockPath(directory).c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return {};
    const std::string holder = heldBy(descriptor);
    close(descriptor);
    return holder.empty() ? "" : holder.substr(1);
}
