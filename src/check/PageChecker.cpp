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

// Gives findings that come in the order of the page their lines and columns, reading the
// page once from start to end.
class Locator
{
public:
    explicit Locator(std::string_view page) : mPage(page) {}
    void locate(CheckFinding &f)
    {
        const std::size_t to = std::min(f.offset, mPage.size());
        for (std::size_t lf = mPage.find('\n', mAt); lf < to; lf = mPage.find('\n', lf + 1)) {
            ++mLine;
            mLineStart = lf + 1;
        }
        mAt = std::max(mAt, to);
        f.line = mLine;
        f.column = static_cast<int>(f.offset - mLineStart) + 1;
    }

private:
    std::string_view mPage;
    std::size_t mAt = 0;
    std::size_t mLineStart = 0;
    int mLine = 1;
};

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

template <typename Apply> std::vector<CheckFinding> PageChecker::findingsOf(Apply apply) const
{
    std::vector<CheckFinding> findings;
    for (const auto &rule : mRules) {
        const auto start = static_cast<std::ptrdiff_t>(findings.size());
        apply(*rule, findings);
        inPageOrder(findings, start);
    }
    return findings;
}

void PageChecker::check(std::string_view page, const std::string &pagePath, const FindingSink &sink)
{
    ImageSizeCache pictures(mImages, &mFiles);
    PageFactsReader reader(pictures, mStyle);
    const PageFacts facts = reader.read(page, pagePath);
    std::vector<CheckFinding> pageFindings =
        findingsOf([&](const CheckRule &rule, auto &found) { rule.checkPage(facts, found); });
    Locator locator(page);
    auto next = pageFindings.begin();
    const auto handOn = [&](CheckFinding &f) {
        locator.locate(f);
        sink(f);
    };
    // Findings about MAP and IMG tags go among those about the AREA tags of each map, which
    // lie between its start and end tags; the earlier rules' first where two share a place.
    const auto handOnPageFindingsUpTo = [&](std::size_t offset) {
        for (; next != pageFindings.end() && next->offset <= offset; ++next)
            handOn(*next);
    };
    MapFacts map;
    for (std::size_t m = 0; m < facts.maps.size(); ++m) {
        map = facts.maps[m];
        reader.readAreas(page, m, map);
        const auto index = static_cast<int>(m);
        for (CheckFinding &f : findingsOf([&](const CheckRule &rule, auto &found) {
                 rule.checkMap(facts, map, index, found);
             })) {
            handOnPageFindingsUpTo(f.offset);
            handOn(f);
        }
    }
    handOnPageFindingsUpTo(std::string_view::npos);
}

std::vector<CheckFinding> PageChecker::check(std::string_view page, const std::string &pagePath)
{
    std::vector<CheckFinding> findings;
    check(page, pagePath, [&findings](const CheckFinding &f) { findings.push_back(f); });
    return findings;
}

bool PageChecker::viewPage(const std::string &path, std::unique_ptr<FileView> &view,
                           std::string &failure) const
{
    const IoResult read = mFiles.viewFile(path, view);
    if (!read.ok()) {
        failure = read.error;
        return false;
    }
    const std::string_view page = view->bytes();
    if (const std::string kind = binaryKindOf(page); !kind.empty()) {
        failure = "Ce fichier est " + kind + ", pas une page web.";
        return false;
    }
    // Markup is searched byte by byte, which a page of 16-bit characters defeats.
    if (page.starts_with("\xFF\xFE") || page.starts_with("\xFE\xFF")) {
        failure = "La page est enregistrée en UTF-16 : elle ne peut pas être vérifiée.";
        return false;
    }
    return true;
}

} // namespace areamaker
