#include "FaultySystemCalls.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>

namespace areamaker::testing {

int FaultySystemCalls::failWith(int error)
{
    errno = error;
    return -1;
}

int FaultySystemCalls::openFile(const char *path, int flags)
{
    if (fault == Fault::OpenForRead && (flags & O_DIRECTORY) == 0)
        return failWith(EACCES);
    return SystemCalls::openFile(path, flags);
}

ssize_t FaultySystemCalls::readFile(int fd, void *buffer, std::size_t size)
{
    if (fault == Fault::Read)
        return failWith(EIO);
    return SystemCalls::readFile(fd, buffer, size);
}

ssize_t FaultySystemCalls::writeFile(int fd, const void *buffer, std::size_t size)
{
    if (fault == Fault::DiskFull)
        return failWith(ENOSPC);
    if (fault == Fault::ShortWriteThenFull) {
        // The first call writes a little, the next one finds the disk full.
        fault = Fault::DiskFull;
        return SystemCalls::writeFile(fd, buffer, std::min<std::size_t>(size, 7));
    }
    return SystemCalls::writeFile(fd, buffer, size);
}

int FaultySystemCalls::makeTemporary(char *pathTemplate)
{
    if (fault == Fault::CreateTemporary)
        return failWith(ENOSPC);
    if (fault == Fault::PermissionDenied)
        return failWith(EACCES);
    return SystemCalls::makeTemporary(pathTemplate);
}

int FaultySystemCalls::syncFile(int fd)
{
    if (fault == Fault::Sync)
        return failWith(EIO);
    return SystemCalls::syncFile(fd);
}

int FaultySystemCalls::changeMode(int fd, mode_t mode)
{
    if (fault == Fault::KeepPermissions)
        return failWith(EPERM);
    return SystemCalls::changeMode(fd, mode);
}

int FaultySystemCalls::closeFile(int fd)
{
    const int result = SystemCalls::closeFile(fd);
    if (fault == Fault::Close)
        return failWith(EIO);
    return result;
}

int FaultySystemCalls::renameFile(const char *from, const char *to)
{
    if (fault == Fault::Rename)
        return failWith(EXDEV);
    return SystemCalls::renameFile(from, to);
}

} // namespace areamaker::testing
