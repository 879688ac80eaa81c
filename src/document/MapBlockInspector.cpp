#include "document/MapBlockInspector.h"

#include "document/AsciiText.h"
#include "document/MarkupScanner.h"

#include <algorithm>

namespace areamaker {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view sourceCommentStart = "<!--Source Map:|";

constexpr const char *ServerCode = "son bloc contient du code serveur";
constexpr const char *OtherElement = "son bloc contient une autre balise que AREA";
constexpr const char *OtherComment =
    "son bloc contient un commentaire autre que la source de l'image";
constexpr const char *Text = "son bloc contient du texte hors des balises";
constexpr const char *TagLeftOpen = "une de ses balises n'est pas terminée par « > »";
constexpr const char *QuoteLeftOpen = "une valeur entre guillemets n'y est pas fermée";
// Written back next to another attribute or to "/>", such a '=' could take it for a value.
constexpr const char *StrayEquals = "une de ses balises a un « = » sans nom ou sans valeur";

// A short printable piece of an item for a message: its ASCII start, up to a line break.
std::string excerpt(std::string_view item)
{
    constexpr std::size_t length = 24;
    const auto trimmed = [](std::string_view text) {
        while (!text.empty() && isAsciiSpace(text.back()))
            text.remove_suffix(1);
        return text;
    };
    item = trimmed(item);
    std::size_t shown = 0;
    while (shown < std::min(item.size(), length) &&
           static_cast<unsigned char>(item[shown]) >= 0x20 &&
           static_cast<unsigned char>(item[shown]) < 0x7F)
        ++shown;
    const std::string text(trimmed(item.substr(0, shown)));
    return shown < item.size() ? text + "…" : text;
}

} // namespace

void MapBlockInspector::refuse(const char *what, std::size_t begin, std::size_t end)
{
    if (mBlock.readOnlyReason.empty())
        mBlock.readOnlyReason =
            std::string(what) + " (« " + excerpt(mPage.substr(begin, end - begin)) + " »)";
}

void MapBlockInspector::inspectStartTag(const MarkupScanner::TagScan &scan)
{
    checkTag(scan, mBlock.begin, mBlock.startTagEnd);
}

MapBlockInspector::Content MapBlockInspector::inspectContent(std::size_t limit)
{
    std::size_t lastItemEnd = mBlock.startTagEnd;
    for (std::size_t p = mBlock.startTagEnd; p < limit;) {
        if (isAsciiSpace(mPage[p])) {
            ++p;
            continue;
        }
        if (mPage[p] == '<' &&
            (MarkupScanner::tagNameAt(mPage, p, "MAP") || MarkupScanner::endTagAt(mPage, p, "MAP")))
            return {p, lastItemEnd};
        p = std::min(item(p, limit), limit);
        lastItemEnd = p;
    }
    return {npos, lastItemEnd};
}

std::size_t MapBlockInspector::item(std::size_t p, std::size_t limit)
{
    if (mPage[p] != '<')
        return textItem(p, limit);
    const std::size_t skipped = MarkupScanner::skipNonMarkup(mPage, p);
    if (skipped != p)
        return nonMarkupItem(p, skipped);
    const char next = p + 1 < mPage.size() ? mPage[p + 1] : '\0';
    const bool opensTag =
        (next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z') || next == '/' || next == '!';
    return opensTag ? tagItem(p, limit) : textItem(p, limit);
}

// A comment, a processing instruction, or a script or style element.
std::size_t MapBlockInspector::nonMarkupItem(std::size_t p, std::size_t end)
{
    const std::string_view rest = mPage.substr(p);
    if (rest.starts_with("<?")) {
        refuse(ServerCode, p, end);
    } else if (!rest.starts_with("<!--")) {
        refuse(OtherElement, p, end);
    } else if (rest.starts_with(sourceCommentStart) && !mBlock.hasSourceComment()) {
        mBlock.sourceComment = {p, end};
    } else {
        refuse(OtherComment, p, end);
    }
    return end;
}

std::size_t MapBlockInspector::tagItem(std::size_t p, std::size_t limit)
{
    const bool area = MarkupScanner::tagNameAt(mPage, p, "AREA");
    const std::size_t first = mBlock.areaAttributes.size();
    const MarkupScanner::TagScan scan = MarkupScanner::scanTag(
        mPage, p, area && mWithAttributes ? &mBlock.areaAttributes : nullptr);
    const std::size_t end = scan.end == npos ? limit : std::min(scan.end, limit);
    if (area) {
        checkTag(scan, p, end);
        mBlock.areas.push_back({p, end});
        if (mWithAttributes)
            noteAttributes(scan, first, end);
    } else if (!MarkupScanner::endTagAt(mPage, p, "AREA")) {
        // Its name only: an IMG tag in the block may be rebound by the save.
        std::size_t name = mPage[p + 1] == '/' ? p + 2 : p + 1;
        while (name < end && !isAsciiSpace(mPage[name]) && mPage[name] != '>' && mPage[name] != '/')
            ++name;
        refuse(OtherElement, p, name);
    }
    return end;
}

std::size_t MapBlockInspector::textItem(std::size_t p, std::size_t limit)
{
    const std::size_t next = mPage.find('<', p + 1);
    const std::size_t end = next == npos ? limit : std::min(next, limit);
    refuse(textHoldsServerCode(p, end) ? ServerCode : Text, p, end);
    return end;
}

bool MapBlockInspector::textHoldsServerCode(std::size_t p, std::size_t end) const
{
    const std::string_view text = mPage.substr(p, end - p);
    if (text.starts_with("<%") || text.find("{{") != npos || text.find("{%") != npos)
        return true;
    // A line that starts with '@' is server code in some template languages.
    for (std::size_t at = text.find('@'); at != npos; at = text.find('@', at + 1)) {
        if (startsLine(p + at))
            return true;
    }
    return false;
}

bool MapBlockInspector::startsLine(std::size_t p) const
{
    while (p > mBlock.startTagEnd && (mPage[p - 1] == ' ' || mPage[p - 1] == '\t'))
        --p;
    return p == mBlock.startTagEnd || mPage[p - 1] == '\n' || mPage[p - 1] == '\r';
}

void MapBlockInspector::noteAttributes(const MarkupScanner::TagScan &scan, std::size_t first,
                                       std::size_t end)
{
    const bool sound = scan.end == end && scan.sound();
    if (!sound)
        mBlock.areaAttributes.resize(first);
    mBlock.scannedAreas.push_back(sound ? MapBlock::Run{first, mBlock.areaAttributes.size() - first}
                                        : MapBlock::Run{});
}

void MapBlockInspector::checkTag(const MarkupScanner::TagScan &scan, std::size_t p, std::size_t end)
{
    if (scan.leftOpen)
        refuse(TagLeftOpen, p, end);
    else if (scan.strayQuote)
        refuse(QuoteLeftOpen, p, end);
    else if (scan.serverCode)
        refuse(ServerCode, p, end);
    else if (scan.strayEquals)
        refuse(StrayEquals, p, end);
}

} // namespace areamaker
