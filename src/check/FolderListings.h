#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
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
    // ending with a separator names the folder itself. Folders below the page's folder
    // (which ends with a separator) are looked for in their parent's listing first.
    bool exists(std::string_view path, std::string_view pageFolder);

private:
    // Hashes a name as a string or a view of one, so that lookups copy nothing.
    struct NameHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const
        {
            return std::hash<std::string_view>()(name);
        }
    };
    using Names = std::unordered_set<std::string, NameHash, std::equal_to<>>;

    const std::optional<Names> &listing(std::string_view folder);
    bool inParentListing(std::string_view folder);

    const FileSystem &mFiles;
    std::unordered_map<std::string, std::optional<Names>, NameHash, std::equal_to<>> mListings;
    // The folder last asked about, as links of a map often lead into the same one.
    std::string mLastFolder;
    std::string_view mPageFolder;
    const std::optional<Names> *mLast = nullptr;
};

} // namespace areamaker
