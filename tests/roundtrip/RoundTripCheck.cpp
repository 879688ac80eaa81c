#include "RoundTripCheck.h"

#include "FakeFileSystem.h"
#include "FakeImageProbe.h"
#include "document/AsciiText.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"
#include "shell/BatchCommands.h"
#include "shell/HeadlessSession.h"

#include <sstream>

namespace areamaker::testing {

namespace {

constexpr const char *PagePath = "/site/page.htm";

// What the page says of its maps, in the form a second read must give back.
std::vector<std::string> describe(const MapDocument &document, const std::string &suffix)
{
    std::vector<std::string> lines;
    for (const ImageMap &map : document.Maps) {
        lines.push_back("map " + map.Name + suffix + " " + map.ImagePath);
        for (const Zone &zone : map.Zones)
            lines.push_back(zone.ToString());
        if (map.hasDefaultRegion()) {
            std::string line = "default";
            for (const std::string &value : map.DefaultRegion)
                line += "|" + value;
            lines.push_back(line);
        }
    }
    return lines;
}

// The page without its MAP blocks and IMG tags.
std::string outsideMapsAndImages(const std::string &page)
{
    std::string rest;
    std::size_t copied = 0;
    auto cut = [&](std::size_t begin, std::size_t end) {
        rest.append(page, copied, begin - copied);
        copied = end;
    };
    std::size_t map = MarkupScanner::findStartTag(page, "MAP", 0);
    std::size_t img = MarkupScanner::findStartTag(page, "IMG", 0);
    while (map != MarkupScanner::npos || img != MarkupScanner::npos) {
        if (img < map) {
            const std::size_t end = MarkupScanner::tagEnd(page, img);
            if (end == MarkupScanner::npos) {
                img = MarkupScanner::npos;
                continue;
            }
            cut(img, end);
            img = MarkupScanner::findStartTag(page, "IMG", end);
            continue;
        }
        const std::size_t end = MarkupScanner::elementEnd(page, "MAP", map);
        if (end == MarkupScanner::npos)
            break;
        cut(map, end);
        map = MarkupScanner::findStartTag(page, "MAP", end);
        if (img < end)
            img = MarkupScanner::findStartTag(page, "IMG", end);
    }
    rest.append(page, copied, std::string::npos);
    return rest;
}

// A saved page always ends with exactly one line break of its own style.
std::string withFinalLineBreak(const std::string &page)
{
    const std::string eol(lineBreakOf(page));
    return page.ends_with(eol) ? page : page + eol;
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

} // namespace

std::string checkRoundTrip(const std::string &page)
{
    Session first(page);
    if (!first.lifecycle.OpenDocument(PagePath, true))
        return {};

    std::ostringstream json, errors;
    if (BatchCommands(first.files, first.images).list(PagePath, json, errors) != 0 ||
        json.str().empty())
        return "a page that opens cannot be listed";

    const std::vector<std::string> expected = describe(first.document, "_r");
    for (ImageMap &map : first.document.Maps) {
        map.Name += "_r";
        map.Modified = true;
    }
    if (!first.lifecycle.SaveDocument())
        return "a page that opens cannot be saved";
    const std::string saved = first.files.bytes(PagePath);

    // A page without maps has nothing modified to save: it keeps every byte.
    const std::string before = outsideMapsAndImages(
        first.document.Maps.empty() ? page : withFinalLineBreak(page));
    if (outsideMapsAndImages(saved) != before)
        return "bytes outside the maps and images changed\nbefore: [" + before + "]\nafter:  [" +
               outsideMapsAndImages(saved) + "]";

    Session second(saved);
    if (!second.lifecycle.OpenDocument(PagePath, true))
        return "the saved page cannot be read again";
    const std::vector<std::string> actual = describe(second.document, "");
    if (actual != expected) {
        std::string report = "the maps read back differ from the maps written";
        for (const std::string &line : expected)
            report += "\nwritten: " + line;
        for (const std::string &line : actual)
            report += "\nread:    " + line;
        return report;
    }
    return {};
}

} // namespace areamaker::testing
