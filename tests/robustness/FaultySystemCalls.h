#pragma once

#include "adapters/SystemCalls.h"

#include <string>

namespace areamaker::testing {

// Real system calls, except the one step of a save chosen to fail.
class FaultySystemCalls : public SystemCalls
{
public:
    enum class Fault
    {
        None,
        OpenForRead,
        Read,
        CreateTemporary,
        ShortWriteThenFull,
        DiskFull,
        Sync,
        KeepPermissions,
        Close,
        Rename,
        PermissionDenied,
    };

    Fault fault = Fault::None;

    int openFile(const char *path, int flags) override;
    ssize_t readFile(int fd, void *buffer, std::size_t size) override;
    ssize_t writeFile(int fd, const void *buffer, std::size_t size) override;
    int makeTemporary(char *pathTemplate) override;
    int syncFile(int fd) override;
    int changeMode(int fd, mode_t mode) override;
    int closeFile(int fd) override;
    int renameFile(const char *from, const char *to) override;

private:
    int failWith(int error);
};

} // namespace areamaker::testing
