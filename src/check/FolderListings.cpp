#include "check/FolderListings.h"

#include "platform/FileSystem.h"

namespace areamaker {

bool FolderListings::exists(std::string_view path)
{
    std::string_view entry = path;
    while (entry.size() > 1 && entry.back() == '/')
        entry.remove_suffix(1);
    const std::size_t slash = entry.rfind('/');
    if (slash == std::string_view::npos || entry == "/")
        return entry == "/";
    const auto &names = listing(slash == 0 ? "/" : entry.substr(0, slash));
    return names && names->find(entry.substr(slash + 1)) != names->end();
}

const std::optional<FolderListings::Names> &FolderListings::listing(std::string_view folder)
{
    if (mLast && folder == mLastFolder)
        return *mLast;
    auto known = mListings.find(folder);
    if (known == mListings.end()) {
        std::optional<Names> names;
        if (const auto entries = mFiles.folderEntries(std::string(folder)))
            names.emplace(entries->begin(), entries->end());
        known = mListings.emplace(folder, std::move(names)).first;
    }
    // Elements of an unordered map keep their place when others are added.
    mLastFolder.assign(folder);
    mLast = &known->second;
    return *mLast;
}

} // namespace areamaker
