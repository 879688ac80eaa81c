#include "check/PageChecker.h"

#include "check/AreaAltRule.h"
#include "check/AreaCoordsRule.h"
#include "check/AreaEmptyRule.h"
#include "check/AreaHiddenRule.h"
#include "check/AreaHrefRule.h"
#include "check/AreaOutsideRule.h"
#include "check/MapNameRule.h"
#include "check/MapUnusedRule.h"
#include "check/PageFactsReader.h"
#include "check/UsemapTargetRule.h"
#include "document/BinaryContent.h"
#include "document/ImageSizeCache.h"
#include "platform/FileSystem.h"

#include <algorithm>

namespace areamaker {

namespace {

// Fills each finding's line and column from its offset, in one pass over the page.
void locate(std::string_view page, std::vector<CheckFinding> &findings)
{
    std::size_t at = 0, lineStart = 0;
    int line = 1;
    for (CheckFinding &f : findings) {
        for (; at < f.offset && at < page.size(); ++at) {
            if (page[at] == '\n') {
                ++line;
                lineStart = at + 1;
            }
        }
        f.line = line;
        f.column = static_cast<int>(f.offset - lineStart) + 1;
    }
}

bool before(const CheckFinding &a, const CheckFinding &b)
{
    return a.offset < b.offset;
}

// Puts the findings a rule added from `start` among the earlier ones, in the order of the
// page and, at one place, in the order they came. Rules go through the page in order, so
// this is a merge, not a sort of the whole list.
void inPageOrder(std::vector<CheckFinding> &findings, std::ptrdiff_t start)
{
    const auto added = findings.begin() + start;
    if (!std::is_sorted(added, findings.end(), before))
        std::stable_sort(added, findings.end(), before);
    std::inplace_merge(findings.begin(), added, findings.end(), before);
}

} // namespace

PageChecker::PageChecker(const FileSystem &files, ImageProbe *images, PathStyle style)
    : mFiles(files), mImages(images), mStyle(style), mFolders(files)
{
    mRules.push_back(std::make_unique<MapNameRule>());
    mRules.push_back(std::make_unique<MapUnusedRule>());
    mRules.push_back(std::make_unique<UsemapTargetRule>());
    mRules.push_back(std::make_unique<AreaCoordsRule>());
    mRules.push_back(std::make_unique<AreaAltRule>());
    mRules.push_back(std::make_unique<AreaOutsideRule>());
    mRules.push_back(std::make_unique<AreaEmptyRule>());
    mRules.push_back(std::make_unique<AreaHiddenRule>());
    mRules.push_back(std::make_unique<AreaHrefRule>(mFolders));
}

std::vector<CheckFinding> PageChecker::check(std::string_view page, const std::string &pagePath)
{
    ImageSizeCache pictures(mImages, &mFiles);
    const PageFacts facts = PageFactsReader(pictures, mStyle).read(page, pagePath);
    std::vector<CheckFinding> findings;
    for (const auto &rule : mRules) {
        const auto start = static_cast<std::ptrdiff_t>(findings.size());
        rule->check(facts, findings);
        inPageOrder(findings, start);
    }
    locate(page, findings);
    return findings;
}

bool PageChecker::checkFile(const std::string &path, std::vector<CheckFinding> &findings,
                            std::string &failure)
{
    std::string page;
    const IoResult read = mFiles.readFile(path, page);
    if (!read.ok()) {
        failure = read.error;
        return false;
    }
    if (const std::string kind = binaryKindOf(page); !kind.empty()) {
        failure = "Ce fichier est " + kind + ", pas une page web.";
        return false;
    }
    // Markup is searched byte by byte, which a page of 16-bit characters defeats.
    if (page.starts_with("\xFF\xFE") || page.starts_with("\xFE\xFF")) {
        failure = "La page est enregistrée en UTF-16 : elle ne peut pas être vérifiée.";
        return false;
    }
    findings = check(page, path);
    return true;
}

} // namespace areamaker
