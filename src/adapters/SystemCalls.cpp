#include "adapters/SystemCalls.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace areamaker {

int SystemCalls::openFile(const char *path, int flags)
{
    return ::open(path, flags | O_CLOEXEC);
}

ssize_t SystemCalls::readFile(int fd, void *buffer, std::size_t size)
{
    return ::read(fd, buffer, size);
}

ssize_t SystemCalls::writeFile(int fd, const void *buffer, std::size_t size)
{
    return ::write(fd, buffer, size);
}

int SystemCalls::makeTemporary(char *pathTemplate)
{
    return ::mkostemp(pathTemplate, O_CLOEXEC);
}

int SystemCalls::syncFile(int fd)
{
    return ::fsync(fd);
}

void SystemCalls::startWriteBack(int fd)
{
#ifdef __linux__
    // A hint only: the sync that follows reports any failure to write.
    ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    (void)fd;
#endif
}

int SystemCalls::changeMode(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int SystemCalls::closeFile(int fd)
{
    return ::close(fd);
}

int SystemCalls::renameFile(const char *from, const char *to)
{
    return std::rename(from, to);
}

int SystemCalls::statPath(const char *path, struct stat *info)
{
    return ::stat(path, info);
}

int SystemCalls::statFile(int fd, struct stat *info)
{
    return ::fstat(fd, info);
}

DIR *SystemCalls::openFolder(const char *path)
{
    return ::opendir(path);
}

const dirent *SystemCalls::readFolder(DIR *folder)
{
    return ::readdir(folder);
}

int SystemCalls::closeFolder(DIR *folder)
{
    return ::closedir(folder);
}

int SystemCalls::statEntry(int folderFd, const char *name, struct stat *info)
{
    return ::fstatat(folderFd, name, info, AT_SYMLINK_NOFOLLOW);
}

int SystemCalls::unlinkEntry(int folderFd, const char *name)
{
    return ::unlinkat(folderFd, name, 0);
}

int SystemCalls::unlinkFile(const char *path)
{
    return ::unlink(path);
}

bool SystemCalls::mayWrite(const char *path)
{
    return ::access(path, W_OK) == 0;
}

mode_t SystemCalls::newFileMode()
{
    // The umask can only be read by setting it; it is put back at once.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

SystemCalls &SystemCalls::real()
{
    static SystemCalls calls;
    return calls;
}

void *SystemCalls::mapFile(int fd, std::size_t size)
{
    return ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
}

void SystemCalls::unmapFile(void *address, std::size_t size)
{
    ::munmap(address, size);
}

} // namespace areamaker
