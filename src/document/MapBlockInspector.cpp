#include "document/MapBlockInspector.h"

#include "document/AsciiText.h"
#include "document/MarkupScanner.h"

#include <algorithm>
#include <array>

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

// Marks of template and server languages, which a regenerated block would lose.
constexpr std::array<std::string_view, 8> serverMarks = {"<?", "?>", "<%", "%>",
                                                         "{{", "}}", "{%", "%}"};

bool holdsServerMark(std::string_view text)
{
    for (std::string_view mark : serverMarks) {
        if (text.find(mark) != npos)
            return true;
    }
    return false;
}

// Whether the tag's text outside its quoted values holds server code: inside a quoted value
// it is kept as it stands, outside one it is part of the markup itself.
bool serverCodeOutsideValues(const TagView &tag)
{
    std::size_t from = 0;
    for (const TagAttribute &a : tag.attributes()) {
        if (!a.quote)
            continue;
        if (holdsServerMark(tag.text().substr(from, a.valueBegin - from)))
            return true;
        from = a.valueEnd;
    }
    return holdsServerMark(tag.text().substr(from));
}

// A short printable piece of an item for a message: its ASCII start, up to a line break.
std::string excerpt(std::string_view item)
{
    constexpr std::size_t length = 24;
    while (!item.empty() && isAsciiSpace(item.back()))
        item.remove_suffix(1);
    std::string text;
    for (const char c : item.substr(0, length)) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
            return text + "…";
        text += c;
    }
    return item.size() > length ? text + "…" : text;
}

} // namespace

void MapBlockInspector::refuse(const char *what, std::size_t begin, std::size_t end)
{
    if (mBlock.readOnlyReason.empty())
        mBlock.readOnlyReason =
            std::string(what) + " (« " + excerpt(mPage.substr(begin, end - begin)) + " »)";
}

void MapBlockInspector::inspectStartTag()
{
    checkTag(mBlock.begin, mBlock.startTagEnd);
}

std::size_t MapBlockInspector::inspectContent(std::size_t limit)
{
    std::size_t lastItemEnd = mBlock.startTagEnd;
    for (std::size_t p = mBlock.startTagEnd; p < limit;) {
        if (isAsciiSpace(mPage[p])) {
            ++p;
            continue;
        }
        p = std::min(item(p, limit), limit);
        lastItemEnd = p;
    }
    return lastItemEnd;
}

std::size_t MapBlockInspector::item(std::size_t p, std::size_t limit)
{
    if (mPage[p] != '<')
        return textItem(p, limit);
    const std::size_t skipped = MarkupScanner::skipNonMarkup(mPage, p);
    if (skipped != p)
        return nonMarkupItem(p, skipped);
    if (mPage.substr(p).starts_with("<%")) {
        const std::size_t close = mPage.find("%>", p + 2);
        const std::size_t end = close == npos ? limit : close + 2;
        refuse(ServerCode, p, end);
        return end;
    }
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
    const std::size_t tagEnd = MarkupScanner::tagEnd(mPage, p);
    const std::size_t end = tagEnd == npos ? limit : std::min(tagEnd, limit);
    if (MarkupScanner::tagNameAt(mPage, p, "AREA")) {
        checkTag(p, end);
        mBlock.areas.push_back({p, end});
    } else if (!MarkupScanner::endTagAt(mPage, p, "AREA")) {
        refuse(OtherElement, p, end);
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
    if (text.find("{{") != npos || text.find("{%") != npos)
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

void MapBlockInspector::checkTag(std::size_t p, std::size_t end)
{
    const std::string_view text = mPage.substr(p, end - p);
    if (!text.ends_with('>')) {
        refuse(TagLeftOpen, p, end);
        return;
    }
    const TagView tag(text);
    for (const TagAttribute &a : tag.attributes()) {
        if (!a.quoteClosed) {
            refuse(QuoteLeftOpen, p, end);
            return;
        }
    }
    if (serverCodeOutsideValues(tag))
        refuse(ServerCode, p, end);
}

} // namespace areamaker
