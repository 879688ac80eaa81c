#include "RoundTripCheck.h"

#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "document/AsciiText.h"
#include "document/DocumentLifecycle.h"
#include "document/ImgTagBinder.h"
#include "document/MapBlockFinder.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"
#include "shell/BatchCommands.h"
#include "shell/HeadlessSession.h"

#include <algorithm>
#include <sstream>
#include <unordered_map>

namespace areamaker::testing {

namespace {

constexpr const char *PagePath = "/site/page.htm";
constexpr std::size_t npos = std::string::npos;

// What the page says of its maps, in the form a second read must give back; the maps
// the editor may change carry `suffix` after their name.
std::vector<std::string> describe(const MapDocument &document, const std::string &suffix)
{
    std::vector<std::string> lines;
    for (const ImageMap &map : document.Maps) {
        lines.push_back("map " + map.Name + (map.isReadOnly() ? "" : suffix) + " " + map.ImagePath +
                        " read-only: " + map.ReadOnlyReason);
        for (const Zone &zone : map.Zones)
            lines.push_back(zone.ToString(map.Markup));
        if (map.hasDefaultRegion()) {
            std::string line = "default";
            for (const std::string &value : map.DefaultRegion)
                line += "|" + value;
            for (const OtherAttribute &other : map.DefaultRegionOthers)
                line += "|" + other.text;
            lines.push_back(line);
        }
    }
    return lines;
}

struct Span
{
    std::size_t begin;
    std::size_t end;
};

// The IMG tags of the page, each with the index of the block its USEMAP finds (the first
// block whose NAME or ID it gives), or -1.
std::vector<std::pair<Span, int>> imageBindings(const std::string &page,
                                                const std::vector<MapBlock> &blocks)
{
    std::unordered_map<std::string, int> firstBlock;
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        for (const std::string &key : {blocks[b].name, blocks[b].id}) {
            if (!key.empty())
                firstBlock.emplace(key, static_cast<int>(b));
        }
    }
    std::vector<std::pair<Span, int>> images;
    for (std::size_t p = MarkupScanner::findStartTag(page, "IMG", 0); p != npos;) {
        const std::size_t end = MarkupScanner::tagEnd(page, p);
        if (end == npos)
            break;
        const auto name = ImgTagBinder::usemapName(std::string_view(page).substr(p, end - p));
        const auto found = name ? firstBlock.find(*name) : firstBlock.end();
        images.push_back({{p, end}, found == firstBlock.end() ? -1 : found->second});
        p = MarkupScanner::findStartTag(page, "IMG", end);
    }
    return images;
}

// Which IMG tags of the page a rewrite may change: those bound to a block it regenerates.
std::vector<bool> rebindableImages(const std::string &page)
{
    const std::vector<MapBlock> blocks = MapBlockFinder::find(page);
    std::vector<bool> rebindable;
    for (const auto &binding : imageBindings(page, blocks)) {
        const int block = binding.second;
        rebindable.push_back(block >= 0 &&
                             blocks[static_cast<std::size_t>(block)].readOnlyReason.empty());
    }
    return rebindable;
}

// The page without the blocks a rewrite regenerates and the IMG tags it may change.
std::string outsideRegenerated(const std::string &page, const std::vector<bool> &rebindable)
{
    const std::vector<MapBlock> blocks = MapBlockFinder::find(page);
    std::vector<Span> cuts;
    for (const MapBlock &block : blocks) {
        if (block.readOnlyReason.empty())
            cuts.push_back({block.begin, block.end});
    }
    const auto images = imageBindings(page, blocks);
    for (std::size_t k = 0; k < images.size() && k < rebindable.size(); ++k) {
        if (rebindable[k])
            cuts.push_back(images[k].first);
    }
    std::sort(cuts.begin(), cuts.end(), [](Span a, Span b) { return a.begin < b.begin; });
    std::string rest;
    std::size_t copied = 0;
    for (const Span &cut : cuts) {
        rest.append(page, copied, cut.begin - copied);
        rest += "[cut]";
        copied = cut.end;
    }
    rest.append(page, copied, npos);
    return rest;
}

std::vector<int> boundBlocks(const std::string &page)
{
    std::vector<int> bound;
    for (const auto &binding : imageBindings(page, MapBlockFinder::find(page)))
        bound.push_back(binding.second);
    return bound;
}

// A saved page ends with a line break: its own when it had one, the page's style if not.
std::string withFinalLineBreak(const std::string &page)
{
    if (page.ends_with('\n') || page.ends_with('\r'))
        return page;
    return page + std::string(lineBreakOf(page));
}

struct Session
{
    FakeFileSystem files;
    FakeImageProbe images;
    HeadlessSession headless{files, images, PathStyle::Posix};
    MapDocument &document = headless.document();
    DocumentLifecycle &lifecycle = headless.lifecycle();

    explicit Session(std::string page)
    {
        images.sizes["/site/img/a.gif"] = {200, 100};
        files.put("/site/img/a.gif", "GIF89a");
        files.put(PagePath, std::move(page));
    }
};

std::string compareMaps(const std::vector<std::string> &expected,
                        const std::vector<std::string> &actual)
{
    if (actual == expected)
        return {};
    std::string report = "the maps read back differ from the maps written";
    for (const std::string &line : expected)
        report += "\nwritten: " + line;
    for (const std::string &line : actual)
        report += "\nread:    " + line;
    return report;
}

// Every tag's attributes as the scan that finds its end reads them must be those a parse of
// the tag's text finds, as the reader takes one for the other.
std::string checkAttributeScan(const std::string &page)
{
    for (std::size_t lt = page.find('<'); lt != npos; lt = page.find('<', lt + 1)) {
        std::vector<TagAttribute> scanned;
        const MarkupScanner::TagScan scan = MarkupScanner::scanTag(page, lt, &scanned);
        if (scan.end == npos || !scan.sound())
            continue;
        if (scanned != MarkupScanner::attributes(std::string_view(page).substr(lt, scan.end - lt)))
            return "the scan of the tag at " + std::to_string(lt) +
                   " reads other attributes than a parse of its text";
    }
    return {};
}

// The batch rewrite, which holds one map's zones at a time and writes as it goes, must write
// what opening the page, changing every map and saving it writes.
std::string checkRewrite(const std::string &page)
{
    Session opened(page);
    if (!opened.lifecycle.OpenDocument(PagePath, true))
        return {};
    for (ImageMap &map : opened.document.Maps)
        map.Modified = map.Alive && !map.isReadOnly();
    const int savesBefore = opened.files.replaceCount;
    if (!opened.lifecycle.SaveDocument())
        return "a page that opens cannot be saved: " + opened.lifecycle.lastError();

    Session rewritten(page);
    if (!rewritten.lifecycle.RewritePage(PagePath))
        return "a page that opens cannot be rewritten: " + rewritten.lifecycle.lastError();
    if (rewritten.files.replaceCount != opened.files.replaceCount - savesBefore)
        return "the rewrite and the save do not write the page alike";
    const std::string &expected = opened.files.bytes(PagePath);
    const std::string &actual = rewritten.files.bytes(PagePath);
    if (actual != expected)
        return "the rewrite differs from the save\nsaved:     [" + expected +
               "]\nrewritten: [" + actual + "]";
    return {};
}

} // namespace

std::string checkRoundTrip(const std::string &page)
{
    if (const std::string scan = checkAttributeScan(page); !scan.empty())
        return scan;
    Session first(page);
    if (!first.lifecycle.OpenDocument(PagePath, true))
        return {};
    if (const std::string rewrite = checkRewrite(page); !rewrite.empty())
        return rewrite;

    std::ostringstream json, errors;
    if (BatchCommands(first.files, first.images).list(PagePath, json, errors) != 0 ||
        json.str().empty())
        return "a page that opens cannot be listed";

    const std::vector<std::string> expected = describe(first.document, "_r");
    for (ImageMap &map : first.document.Maps) {
        if (map.isReadOnly())
            continue;
        map.Name += "_r";
        map.Modified = true;
    }
    const bool written = first.document.anyMapModified();
    if (!first.lifecycle.SaveDocument())
        return "a page that opens cannot be saved: " + first.lifecycle.lastError();
    const std::string saved = first.files.bytes(PagePath);

    // A page whose maps are all read-only (or that has none) has nothing modified to save:
    // it keeps every byte.
    const std::string ended = written ? withFinalLineBreak(page) : page;
    const std::vector<bool> rebindable = rebindableImages(ended);
    const std::string before = outsideRegenerated(ended, rebindable);
    const std::string after = outsideRegenerated(saved, rebindable);
    if (after != before)
        return "bytes outside the regenerated blocks changed\nbefore: [" + before +
               "]\nafter:  [" + after + "]";

    const std::vector<int> boundBefore = boundBlocks(ended);
    const std::vector<int> boundAfter = boundBlocks(saved);
    for (std::size_t k = 0; k < boundBefore.size(); ++k) {
        if (boundBefore[k] >= 0 && (k >= boundAfter.size() || boundAfter[k] != boundBefore[k]))
            return "IMG tag " + std::to_string(k) + " no longer finds map " +
                   std::to_string(boundBefore[k]);
    }

    Session second(saved);
    if (!second.lifecycle.OpenDocument(PagePath, true))
        return "the saved page cannot be read again";
    return compareMaps(expected, describe(second.document, ""));
}

} // namespace areamaker::testing
