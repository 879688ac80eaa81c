#pragma once

#include "platform/FileSystem.h"

#include <map>
#include <string>

namespace areamaker::testing {

// An in-memory file system whose reads and replaces can be made to fail.
class FakeFileSystem : public FileSystem
{
public:
    void put(const std::string &path, std::string bytes);
    // Moves the file's time stamp on, as another program's write would.
    void touch(const std::string &path);
    void remove(const std::string &path) { mFiles.erase(path); }
    const std::string &bytes(const std::string &path) const { return mFiles.at(path).bytes; }
    bool has(const std::string &path) const { return mFiles.count(path) != 0; }

    // Files the fake's sweep removes, each with the page it was left beside.
    std::map<std::string, std::string> staleTemporaryOf;
    bool failReads = false;
    bool failReplaces = false;
    int replaceCount = 0;
    mutable int listings = 0;

    bool fileExists(const std::string &path) const override { return has(path); }
    IoResult readFile(const std::string &path, std::string &bytes) const override;
    IoResult replaceFile(const std::string &path, std::string_view bytes) override;
    // Removes the files put as `staleTemporaryOf` the path, as a real sweep would.
    void removeStaleTemporaries(const std::string &path) override;
    std::optional<FileTime> lastWriteTime(const std::string &path) const override;
    // The names under the folder of the files put, and of the folders on their way.
    std::optional<std::vector<std::string>> folderEntries(const std::string &folder) const override;
    std::optional<std::uintmax_t> fileSize(const std::string &path) const override
    {
        return has(path) ? std::optional<std::uintmax_t>(bytes(path).size()) : std::nullopt;
    }

private:
    struct File
    {
        std::string bytes;
        int stamp = 0;
    };
    std::map<std::string, File> mFiles;
    int mClock = 0;
};

} // namespace areamaker::testing
