#pragma once

#include <cstddef>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>

namespace areamaker {

// The operating system calls behind file access, one virtual function each, so that tests
// can make any single step of a save fail.
class SystemCalls
{
public:
    virtual ~SystemCalls() = default;

    virtual int openFile(const char *path, int flags);
    virtual ssize_t readFile(int fd, void *buffer, std::size_t size);
    virtual ssize_t writeFile(int fd, const void *buffer, std::size_t size);
    virtual int makeTemporary(char *pathTemplate);
    virtual int syncFile(int fd);
    // Starts writing what the file holds so far to the disk without waiting for it, so that
    // the sync that ends a save waits for less; nothing where the system has no such call.
    virtual void startWriteBack(int fd);
    virtual int changeMode(int fd, mode_t mode);
    virtual int closeFile(int fd);
    virtual int renameFile(const char *from, const char *to);
    virtual int statPath(const char *path, struct stat *info);
    virtual int statFile(int fd, struct stat *info);
    virtual int unlinkFile(const char *path);
    virtual DIR *openFolder(const char *path);
    virtual const dirent *readFolder(DIR *folder);
    virtual int closeFolder(DIR *folder);
    // An entry of an open folder, a symbolic link as itself (fstatat without following).
    virtual int statEntry(int folderFd, const char *name, struct stat *info);
    virtual int unlinkEntry(int folderFd, const char *name);
    // Whether the calling user may write the file (access(2) with W_OK).
    virtual bool mayWrite(const char *path);
    // The mode a newly created file gets: 0666 less the process's umask.
    virtual mode_t newFileMode();
    // The first `size` bytes of an open file, mapped read-only with its pages read at once;
    // MAP_FAILED when the system cannot map it.
    virtual void *mapFile(int fd, std::size_t size);
    virtual void unmapFile(void *address, std::size_t size);

    // The calls as the system makes them.
    static SystemCalls &real();
};

} // namespace areamaker
