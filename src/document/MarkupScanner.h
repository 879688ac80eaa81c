#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// One attribute of a start tag, as byte ranges of the tag text.
struct TagAttribute
{
    std::size_t begin = 0; // the white space before the name
    std::size_t nameBegin = 0;
    std::size_t nameEnd = 0;
    std::size_t valueBegin = 0; // inside the quotes when quoted
    std::size_t valueEnd = 0;
    std::size_t end = 0; // past the closing quote or the last value byte
    char quote = 0;      // '"', '\'' or 0 for an unquoted value
    bool hasValue = false;
};

// A tag with its attributes parsed once, for tags whose attributes are looked up often.
class TagView
{
public:
    explicit TagView(std::string_view tag);
    // The decoded value of the first attribute of that name (ASCII case folded).
    std::optional<std::string> value(std::string_view name) const;

private:
    std::string_view mTag;
    std::vector<TagAttribute> mAttributes;
};

// Finds tags in a page the way a browser sees them: markup inside comments, scripts,
// styles and processing instructions is not markup. Matching folds ASCII case only.
class MarkupScanner
{
public:
    static constexpr std::size_t npos = std::string_view::npos;

    // Position of the next start tag named `name` (e.g. "MAP") at or after `from`.
    static std::size_t findStartTag(std::string_view text, std::string_view name, std::size_t from);
    // Position of the next end tag "</name>" at or after `from`.
    static std::size_t findEndTag(std::string_view text, std::string_view name, std::size_t from);
    // Position just past the end tag that closes the element opened at `start`, or npos.
    static std::size_t elementEnd(std::string_view text, std::string_view name, std::size_t start);
    // Position just past the '>' that closes the tag opened at `lt`, where a '>' inside a
    // quoted value does not close it; for a tag left open, the position of the next MAP, AREA
    // or IMG tag; past the first '>' when a quote is left open; npos when no '>' follows.
    static std::size_t tagEnd(std::string_view text, std::size_t lt);

    static std::vector<TagAttribute> attributes(std::string_view tag);
    // The first attribute of that name, compared without regard to ASCII case.
    static std::optional<TagAttribute> findAttribute(std::string_view tag, std::string_view name);
    static std::string_view valueOf(std::string_view tag, const TagAttribute &attribute);
    // The value with the forms the editor writes turned back into their characters.
    static std::string decodedValue(std::string_view tag, const TagAttribute &attribute);
    // Whether the '<' at `lt` opens a MAP, AREA or IMG tag, start or end.
    static bool startsEditedTag(std::string_view text, std::size_t lt);

private:
    static std::size_t skipNonMarkup(std::string_view text, std::size_t lt);
    static bool tagNameAt(std::string_view text, std::size_t lt, std::string_view name);
    static bool endTagAt(std::string_view text, std::size_t lt, std::string_view name);
    static std::size_t nextAfter(std::string_view text, std::size_t lt);
    template <typename Matches>
    static std::size_t findMarkup(std::string_view text, std::size_t from, Matches matches);
};

} // namespace areamaker
