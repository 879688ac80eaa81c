#pragma once

#include "adapters/SystemCalls.h"
#include "platform/FileSystem.h"

namespace areamaker {

// The real file system: a page is replaced through a synced temporary file renamed over it,
// keeping its permissions, writing through a symbolic link to its target, and refusing a
// page its user may not write.
class PosixFileSystem : public FileSystem
{
public:
    explicit PosixFileSystem(SystemCalls &calls = SystemCalls::real()) : mCalls(calls) {}

    bool fileExists(const std::string &path) const override;
    IoResult readFile(const std::string &path, std::string &bytes) const override;
    // Maps a regular file read-only; an empty file, or one the system cannot map, is read.
    IoResult viewFile(const std::string &path, std::unique_ptr<FileView> &view) const override;
    IoResult replaceFile(const std::string &path, std::string_view bytes) override;
    IoResult replaceFileWith(const std::string &path, const ContentProducer &produce) override;
    void removeStaleTemporaries(const std::string &path) override;
    std::optional<FileTime> lastWriteTime(const std::string &path) const override;
    std::optional<std::uintmax_t> fileSize(const std::string &path) const override;
    std::optional<std::vector<std::string>> folderEntries(const std::string &folder) const override;

private:
    IoResult readOpenFile(int fd, std::string &bytes) const;
    IoResult writeAll(int fd, std::string_view bytes);
    IoResult writeContents(int fd, const ContentProducer &produce);
    IoResult writeTemporary(const std::string &temporary, int fd, const ContentProducer &produce,
                            mode_t mode);
    void syncFolder(const std::string &folder);

    SystemCalls &mCalls;
};

} // namespace areamaker
