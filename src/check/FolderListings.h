#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>

namespace areamaker {

class FileSystem;

// Answers whether files exist by listing each folder once, so that a page with many links
// into few folders costs a few listings rather than a question to the system per link.
class FolderListings
{
public:
    explicit FolderListings(const FileSystem &files) : mFiles(files) {}

    // Whether the path names an entry of its folder (a file, a folder or a link); a path
    // ending with a separator names the folder itself.
    bool exists(const std::string &path);

private:
    const std::optional<std::unordered_set<std::string>> &listing(const std::string &folder);

    const FileSystem &mFiles;
    std::unordered_map<std::string, std::optional<std::unordered_set<std::string>>> mListings;
};

} // namespace areamaker
