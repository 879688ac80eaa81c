#include "check/FolderListings.h"

#include "platform/FileSystem.h"

namespace areamaker {

bool FolderListings::exists(const std::string &path)
{
    std::string entry = path;
    while (entry.size() > 1 && entry.back() == '/')
        entry.pop_back();
    const std::size_t slash = entry.rfind('/');
    if (slash == std::string::npos || entry == "/")
        return entry == "/";
    const auto &names = listing(slash == 0 ? "/" : entry.substr(0, slash));
    return names && names->count(entry.substr(slash + 1)) != 0;
}

const std::optional<std::unordered_set<std::string>> &
FolderListings::listing(const std::string &folder)
{
    const auto known = mListings.find(folder);
    if (known != mListings.end())
        return known->second;
    std::optional<std::unordered_set<std::string>> names;
    if (const auto entries = mFiles.folderEntries(folder))
        names.emplace(entries->begin(), entries->end());
    return mListings[folder] = std::move(names);
}

} // namespace areamaker
