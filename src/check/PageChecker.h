#pragma once

#include "check/CheckFinding.h"
#include "check/CheckRule.h"
#include "check/FolderListings.h"
#include "document/Paths.h"
#include "platform/FileView.h"

#include <functional>
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

    using FindingSink = std::function<void(const CheckFinding &)>;

    // Hands the findings on a page's text to `sink` one by one, in the order of the page,
    // with their lines and columns. Only one map's areas are held at a time.
    void check(std::string_view page, const std::string &pagePath, const FindingSink &sink);
    // The findings on a page's text, all together.
    std::vector<CheckFinding> check(std::string_view page, const std::string &pagePath);
    // Views a page file to check; false, with the reason in French, when the file cannot be
    // read or is no HTML text.
    bool viewPage(const std::string &path, std::unique_ptr<FileView> &page,
                  std::string &failure) const;

private:
    // The findings that `apply` has the rules add, in the order of the page.
    template <typename Apply> std::vector<CheckFinding> findingsOf(Apply apply) const;

    const FileSystem &mFiles;
    ImageProbe *mImages;
    PathStyle mStyle;
    FolderListings mFolders;
    std::vector<std::unique_ptr<CheckRule>> mRules;
};

} // namespace areamaker
