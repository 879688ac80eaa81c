#include "document/MarkupScanner.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"

#include <algorithm>
#include <cstring>

namespace areamaker {

namespace {

bool endsName(char c)
{
    return isAsciiSpace(c) || c == '>' || c == '/';
}

std::size_t findIgnoreCase(std::string_view text, std::string_view needle, std::size_t from)
{
    for (std::size_t p = text.find('<', from); p != std::string_view::npos;
         p = text.find('<', p + 1)) {
        if (startsWithIgnoreAsciiCase(text.substr(p), needle))
            return p;
    }
    return std::string_view::npos;
}

// Skips the raw text of a script or style element, whose content is never markup.
std::size_t skipRawTextElement(std::string_view text, std::size_t lt, std::string_view closing)
{
    const std::size_t close = findIgnoreCase(text, closing, lt + 1);
    return close == std::string_view::npos ? text.size() : close;
}

} // namespace

bool MarkupScanner::tagNameAt(std::string_view text, std::size_t lt, std::string_view name)
{
    // A name cut short by the end of the page still names the tag.
    const std::size_t nameEnd = lt + 1 + name.size();
    return nameEnd <= text.size() && startsWithIgnoreAsciiCase(text.substr(lt + 1), name) &&
           (nameEnd == text.size() || endsName(text[nameEnd]));
}

// Returns where scanning resumes when `lt` opens something that is not a tag to look at,
// or `lt` itself when it may be a tag.
std::size_t MarkupScanner::skipNonMarkup(std::string_view text, std::size_t lt)
{
    const std::string_view rest = text.substr(lt);
    if (rest.starts_with("<!--")) {
        const std::size_t close = text.find("-->", lt + 4);
        return close == npos ? text.size() : close + 3;
    }
    if (rest.starts_with("<?")) {
        const std::size_t close = text.find("?>", lt + 2);
        return close == npos ? text.size() : close + 2;
    }
    if (tagNameAt(text, lt, "SCRIPT"))
        return skipRawTextElement(text, lt, "</SCRIPT");
    if (tagNameAt(text, lt, "STYLE"))
        return skipRawTextElement(text, lt, "</STYLE");
    return lt;
}

bool MarkupScanner::endTagAt(std::string_view text, std::size_t lt, std::string_view name)
{
    if (lt + 1 >= text.size() || text[lt + 1] != '/' ||
        !startsWithIgnoreAsciiCase(text.substr(lt + 2), name))
        return false;
    std::size_t q = lt + 2 + name.size();
    while (q < text.size() && isAsciiSpace(text[q]))
        ++q;
    return q < text.size() && text[q] == '>';
}

// Where the search goes on after the '<' at `lt`: past the whole tag when it opens one, so
// that a '<' inside a quoted value is never taken for markup.
std::size_t MarkupScanner::nextAfter(std::string_view text, std::size_t lt)
{
    const char next = lt + 1 < text.size() ? text[lt + 1] : '\0';
    const bool opensTag =
        (next >= 'A' && next <= 'Z') || (next >= 'a' && next <= 'z') || next == '/' || next == '!';
    const std::size_t end = opensTag ? tagEnd(text, lt) : npos;
    return end == npos ? lt + 1 : end;
}

template <typename Matches>
std::size_t MarkupScanner::findMarkup(std::string_view text, std::size_t from, Matches matches)
{
    std::size_t p = text.find('<', from);
    while (p != npos) {
        const std::size_t resume = skipNonMarkup(text, p);
        if (resume != p) {
            p = text.find('<', resume);
            continue;
        }
        if (matches(p))
            return p;
        p = text.find('<', nextAfter(text, p));
    }
    return npos;
}

std::size_t MarkupScanner::findStartTag(std::string_view text, std::string_view name,
                                        std::size_t from)
{
    return findMarkup(text, from, [&](std::size_t p) { return tagNameAt(text, p, name); });
}

std::size_t MarkupScanner::findEndTag(std::string_view text, std::string_view name,
                                      std::size_t from)
{
    return findMarkup(text, from, [&](std::size_t p) { return endTagAt(text, p, name); });
}

bool MarkupScanner::startsEditedTag(std::string_view text, std::size_t lt)
{
    const std::size_t name = lt + 1 < text.size() && text[lt + 1] == '/' ? lt + 1 : lt;
    return tagNameAt(text, name, "MAP") || tagNameAt(text, name, "AREA") ||
           tagNameAt(text, name, "IMG");
}

std::size_t MarkupScanner::elementEnd(std::string_view text, std::string_view name,
                                      std::size_t start)
{
    const std::size_t close = findEndTag(text, name, start);
    return close == npos ? npos : text.find('>', close) + 1;
}

std::size_t MarkupScanner::tagEnd(std::string_view text, std::size_t lt)
{
    char quote = 0;
    for (std::size_t p = lt + 1; p < text.size(); ++p) {
        const char c = text[p];
        if (quote) {
            // A quote still open at a tag the editor rewrites is a stray one: the tag ends at
            // its first '>'. Any other '<' may stand in a value, such as server code.
            if (c == '<' && startsEditedTag(text, p))
                break;
            if (c == quote)
                quote = 0;
        } else if (c == '>') {
            return p + 1;
        } else if (c == '<' && startsEditedTag(text, p)) {
            // A tag left open ends before the next tag the editor rewrites, so that what a
            // tag covers never depends on the markup the editor writes after it.
            return p;
        } else if ((c == '"' || c == '\'') && text[p - 1] == '=') {
            quote = c;
        }
    }
    const std::size_t plain = text.find('>', lt + 1);
    return plain == npos ? npos : plain + 1;
}

std::vector<TagAttribute> MarkupScanner::attributes(std::string_view tag)
{
    std::vector<TagAttribute> list;
    std::size_t p = 1;
    while (p < tag.size() && !endsName(tag[p]))
        ++p;
    while (p < tag.size()) {
        TagAttribute a;
        a.begin = p;
        while (p < tag.size() && (isAsciiSpace(tag[p]) || tag[p] == '/'))
            ++p;
        if (p >= tag.size() || tag[p] == '>')
            break;
        a.nameBegin = p;
        while (p < tag.size() && !isAsciiSpace(tag[p]) && tag[p] != '=' && tag[p] != '>' &&
               !(tag[p] == '/' && p + 1 < tag.size() && tag[p + 1] == '>'))
            ++p;
        a.nameEnd = p;
        if (p < tag.size() && tag[p] == '=') {
            a.hasValue = true;
            ++p;
            if (p < tag.size() && (tag[p] == '"' || tag[p] == '\'')) {
                a.quote = tag[p];
                a.valueBegin = p + 1;
                // A quote that never closes stops at the tag's '>', which stays the tag's.
                const std::size_t unclosed = tag.ends_with('>') ? tag.size() - 1 : tag.size();
                const std::size_t close = tag.find(a.quote, a.valueBegin);
                a.valueEnd = close == npos ? std::max(unclosed, a.valueBegin) : close;
                p = close == npos ? a.valueEnd : close + 1;
            } else {
                a.valueBegin = p;
                while (p < tag.size() && !isAsciiSpace(tag[p]) && tag[p] != '>')
                    ++p;
                a.valueEnd = p;
            }
        } else {
            a.valueBegin = a.valueEnd = p;
        }
        a.end = p;
        if (a.nameEnd > a.nameBegin)
            list.push_back(a);
        else
            ++p;
    }
    return list;
}

std::optional<TagAttribute> MarkupScanner::findAttribute(std::string_view tag,
                                                         std::string_view name)
{
    for (const TagAttribute &a : attributes(tag)) {
        if (equalsIgnoreAsciiCase(tag.substr(a.nameBegin, a.nameEnd - a.nameBegin), name))
            return a;
    }
    return std::nullopt;
}

TagView::TagView(std::string_view tag) : mTag(tag), mAttributes(MarkupScanner::attributes(tag)) {}

std::optional<std::string> TagView::value(std::string_view name) const
{
    for (const TagAttribute &a : mAttributes) {
        if (equalsIgnoreAsciiCase(mTag.substr(a.nameBegin, a.nameEnd - a.nameBegin), name))
            return MarkupScanner::decodedValue(mTag, a);
    }
    return std::nullopt;
}

std::string MarkupScanner::decodedValue(std::string_view tag, const TagAttribute &attribute)
{
    return decodeAttributeValue(valueOf(tag, attribute));
}

std::string_view MarkupScanner::valueOf(std::string_view tag, const TagAttribute &attribute)
{
    return tag.substr(attribute.valueBegin, attribute.valueEnd - attribute.valueBegin);
}

} // namespace areamaker
