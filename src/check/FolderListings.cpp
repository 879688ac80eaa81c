#include "check/FolderListings.h"

#include "platform/FileSystem.h"

namespace areamaker {

bool FolderListings::exists(std::string_view path, std::string_view pageFolder)
{
    mPageFolder = pageFolder;
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
        // A folder its parent does not hold lists nothing, and neither do the ones in it.
        if (!inParentListing(folder))
            names.emplace();
        else if (const auto entries = mFiles.folderEntries(std::string(folder)))
            names.emplace(entries->begin(), entries->end());
        known = mListings.emplace(folder, std::move(names)).first;
    }
    // Elements of an unordered map keep their place when others are added.
    mLastFolder.assign(folder);
    mLast = &known->second;
    return *mLast;
}

// Whether the folder's parent lists it, or cannot be listed, or holds the page (and is taken
// as listed): links into many folders that do not exist, under one that does not either,
// then cost one listing instead of one each.
bool FolderListings::inParentListing(std::string_view folder)
{
    const std::size_t slash = folder.rfind('/');
    const bool belowPage = mPageFolder.ends_with('/') && folder.size() > mPageFolder.size() &&
                           folder.starts_with(mPageFolder);
    if (slash == std::string_view::npos || !belowPage)
        return true;
    const auto &parent = listing(slash == 0 ? "/" : folder.substr(0, slash));
    return !parent || parent->find(folder.substr(slash + 1)) != parent->end();
}

} // namespace areamaker
