#include "document/MarkupScanner.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"

#include <algorithm>
#include <array>

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

bool MarkupScanner::startsMapTag(std::string_view text, std::size_t lt)
{
    return tagNameAt(text, lt, "MAP") || startsMapEndTag(text, lt);
}

bool MarkupScanner::startsMapEndTag(std::string_view text, std::size_t lt)
{
    return lt + 1 < text.size() && text[lt + 1] == '/' && tagNameAt(text, lt + 1, "MAP");
}

// The closing quote of the value opened at `open`, or npos when the quote is a stray one:
// it never closes, or its value would take in a MAP tag.
std::size_t MarkupScanner::closingQuote(std::string_view text, std::size_t open)
{
    // Values are mostly a few bytes long: a look at each byte finds their end, or a '<' in
    // them, sooner than search calls would; the rest of a longer one is searched.
    constexpr std::size_t ShortValue = 48;
    const char quote = text[open];
    const std::size_t searchFrom = std::min(text.size(), open + 1 + ShortValue);
    for (std::size_t p = open + 1; p < searchFrom; ++p) {
        if (text[p] == quote)
            return p;
        if (text[p] == '<' && startsMapTag(text, p))
            return npos;
    }
    const std::size_t close = text.find(quote, searchFrom);
    if (close == npos)
        return npos;
    const std::string_view quoted = text.substr(0, close);
    for (std::size_t lt = quoted.find('<', searchFrom); lt != npos; lt = quoted.find('<', lt + 1)) {
        if (startsMapTag(text, lt))
            return npos;
    }
    return close;
}

namespace {

// Where a start tag's tokenizer stands between two characters.
enum class TagState
{
    Name,
    BeforeAttribute,
    AttributeName,
    AfterAttributeName,
    BeforeValue,
    UnquotedValue
};

TagState nextState(TagState state, char c)
{
    const bool space = isAsciiSpace(c);
    switch (state) {
    case TagState::Name:
        return space || c == '/' ? TagState::BeforeAttribute : state;
    case TagState::BeforeAttribute:
        return space || c == '/' ? state : TagState::AttributeName;
    case TagState::AttributeName:
    case TagState::AfterAttributeName:
        if (c == '=')
            return TagState::BeforeValue;
        if (c == '/')
            return TagState::BeforeAttribute;
        if (space)
            return TagState::AfterAttributeName;
        return TagState::AttributeName;
    case TagState::BeforeValue:
        return space ? state : TagState::UnquotedValue;
    case TagState::UnquotedValue:
        return space ? TagState::BeforeAttribute : state;
    }
    return state;
}

// The bytes that leave the scan of a tag's name or an attribute's name where it stands:
// the scan steps over a run of them at once.
constexpr std::array<bool, 256> nameBytes = [] {
    std::array<bool, 256> inert{};
    inert.fill(true);
    for (const char c : std::string_view(" \t\n\r\f>/=<{"))
        inert[static_cast<unsigned char>(c)] = false;
    return inert;
}();

std::size_t lastNameByte(std::string_view text, std::size_t p)
{
    while (p + 1 < text.size() && nameBytes[static_cast<unsigned char>(text[p + 1])])
        ++p;
    return p;
}

// Notes a tag's attributes as its scan goes, at offsets from the tag's '<', as attributes()
// finds them in the tag's text; each attribute runs from the end of the one before it.
class AttributeRecorder
{
public:
    AttributeRecorder(std::vector<TagAttribute> *list, std::size_t lt) : mList(list), mLt(lt) {}

    // The scan went from `from` to `to` over the character at `p`.
    void step(TagState from, TagState to, std::size_t p)
    {
        if (!mList || from == to)
            return;
        const std::size_t at = p - mLt;
        if (from == TagState::Name)
            mLastEnd = at;
        if (from == TagState::AttributeName)
            closeName(at);
        if (from == TagState::UnquotedValue)
            closeValue(at);
        if (to == TagState::AttributeName) {
            TagAttribute &a = mList->emplace_back();
            a.begin = mLastEnd;
            a.nameBegin = at;
        }
        if (to == TagState::BeforeValue)
            mList->back().hasValue = true;
        if (to == TagState::UnquotedValue)
            mList->back().valueBegin = at;
    }
    void quoted(char quote, std::size_t open, std::size_t close)
    {
        if (!mList)
            return;
        TagAttribute &a = mList->back();
        a.quote = quote;
        a.valueBegin = open + 1 - mLt;
        a.valueEnd = close - mLt;
        a.end = mLastEnd = close + 1 - mLt;
    }
    // The tag ends at the '>' at `p`.
    void endAt(TagState state, std::size_t p) { step(state, TagState::BeforeAttribute, p); }

private:
    void closeName(std::size_t at)
    {
        TagAttribute &a = mList->back();
        a.nameEnd = a.valueBegin = a.valueEnd = a.end = mLastEnd = at;
    }
    void closeValue(std::size_t at)
    {
        TagAttribute &a = mList->back();
        a.valueEnd = a.end = mLastEnd = at;
    }

    std::vector<TagAttribute> *mList;
    std::size_t mLt;
    std::size_t mLastEnd = 0;
};

} // namespace

std::size_t MarkupScanner::tagEnd(std::string_view text, std::size_t lt)
{
    return scanTag(text, lt).end;
}

// Whether `p` opens code of a template or server language: <? <% {{ {%. Closing marks
// alone are no sign of it: an attribute written back last may end with '?' before '>'.
bool MarkupScanner::serverMarkAt(std::string_view text, std::size_t p)
{
    if (p + 1 >= text.size())
        return false;
    const char a = text[p], b = text[p + 1];
    return (a == '<' && (b == '?' || b == '%')) || (a == '{' && (b == '{' || b == '%'));
}

MarkupScanner::TagScan MarkupScanner::scanTag(std::string_view text, std::size_t lt,
                                              std::vector<TagAttribute> *attributes)
{
    TagScan scan;
    TagState state = TagState::Name;
    AttributeRecorder record(attributes, lt);
    for (std::size_t p = lt + 1; p < text.size(); ++p) {
        const char c = text[p];
        if (c == '>') {
            scan.strayEquals = scan.strayEquals || state == TagState::BeforeValue;
            record.endAt(state, p);
            scan.end = p + 1;
            return scan;
        }
        if (c == '<' && startsEditedTag(text, p)) {
            // A tag left open ends before the next tag the editor rewrites, so that what a
            // tag covers never depends on the markup the editor writes after it.
            scan.end = p;
            scan.leftOpen = true;
            return scan;
        }
        if (state == TagState::BeforeValue && (c == '"' || c == '\'')) {
            const std::size_t close = closingQuote(text, p);
            if (close == npos) {
                scan.strayQuote = true;
                break;
            }
            record.quoted(c, p, close);
            p = close;
            state = TagState::BeforeAttribute;
            continue;
        }
        if (!scan.serverCode && (c == '<' || c == '{'))
            scan.serverCode = serverMarkAt(text, p);
        scan.strayEquals = scan.strayEquals || (state == TagState::BeforeAttribute && c == '=');
        const TagState next = nextState(state, c);
        record.step(state, next, p);
        state = next;
        if (state == TagState::Name || state == TagState::AttributeName)
            p = lastNameByte(text, p);
    }
    const std::size_t plain = text.find('>', lt + 1);
    scan.end = plain == npos ? npos : plain + 1;
    scan.leftOpen = plain == npos;
    scan.ranOut = true;
    return scan;
}

std::vector<TagAttribute> MarkupScanner::attributes(std::string_view tag)
{
    std::vector<TagAttribute> list;
    // Room for the attributes of a usual tag in one allocation.
    list.reserve(8);
    readAttributes(tag, list);
    return list;
}

void MarkupScanner::readAttributes(std::string_view tag, std::vector<TagAttribute> &list)
{
    list.clear();
    std::size_t p = 1;
    while (p < tag.size() && !endsName(tag[p]))
        ++p;
    // A quote that never closes stops at the tag's '>', which stays the tag's.
    const std::size_t limit = tag.ends_with('>') ? tag.size() - 1 : tag.size();
    const auto skipSpaces = [&](std::size_t q) {
        while (q < limit && isAsciiSpace(tag[q]))
            ++q;
        return q;
    };
    while (p < limit) {
        TagAttribute a;
        a.begin = p;
        while (p < limit && (isAsciiSpace(tag[p]) || tag[p] == '/'))
            ++p;
        if (p >= limit)
            break;
        // A '=' that starts a name belongs to it.
        a.nameBegin = p++;
        while (p < limit && !isAsciiSpace(tag[p]) && tag[p] != '=' && tag[p] != '/')
            ++p;
        a.nameEnd = a.valueBegin = a.valueEnd = p;
        std::size_t q = skipSpaces(p);
        if (q < limit && tag[q] == '=') {
            a.hasValue = true;
            q = skipSpaces(q + 1);
            if (q < limit && (tag[q] == '"' || tag[q] == '\'')) {
                a.quote = tag[q];
                a.valueBegin = q + 1;
                const std::size_t close = tag.find(a.quote, a.valueBegin);
                const bool closed = close < limit;
                a.valueEnd = closed ? close : limit;
                p = closed ? close + 1 : a.valueEnd;
            } else {
                a.valueBegin = q;
                while (q < limit && !isAsciiSpace(tag[q]))
                    ++q;
                a.valueEnd = p = q;
            }
        }
        a.end = p;
        list.push_back(a);
    }
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

TagView::TagView(std::string_view tag)
    : mTag(tag), mParsed(MarkupScanner::attributes(tag)), mAttributes(mParsed)
{
}

TagView::TagView(std::string_view tag, std::span<const TagAttribute> attributes)
    : mTag(tag), mAttributes(attributes)
{
}

std::string_view TagView::nameOf(const TagAttribute &attribute) const
{
    return mTag.substr(attribute.nameBegin, attribute.nameEnd - attribute.nameBegin);
}

std::optional<std::string> TagView::value(std::string_view name) const
{
    for (const TagAttribute &a : mAttributes) {
        if (equalsIgnoreAsciiCase(nameOf(a), name))
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
