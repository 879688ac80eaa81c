#pragma once

#include "check/CheckFinding.h"
#include "check/CheckRule.h"
#include "check/FolderListings.h"
#include "document/Paths.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

class FileSystem;
class ImageProbe;

// Checks the image maps of pages against every rule. It reads pages and pictures and lists
// folders, and never writes; folder listings are kept from one page to the next.
class PageChecker
{
public:
    PageChecker(const FileSystem &files, ImageProbe *images, PathStyle style = nativePathStyle());

    // The findings on a page's text, in the order of the page, with their lines and columns.
    std::vector<CheckFinding> check(std::string_view page, const std::string &pagePath);
    // Reads the page file and checks it; false, with the reason in French, when the file
    // cannot be read or is no HTML text.
    bool checkFile(const std::string &path, std::vector<CheckFinding> &findings,
                   std::string &failure);

private:
    const FileSystem &mFiles;
    ImageProbe *mImages;
    PathStyle mStyle;
    FolderListings mFolders;
    std::vector<std::unique_ptr<CheckRule>> mRules;
};

} // namespace areamaker
