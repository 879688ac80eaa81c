#pragma once

#include <cstddef>
#include <optional>
#include <span>
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
    bool operator==(const TagAttribute &) const = default;
};

// A tag with its attributes parsed once, for tags whose attributes are looked up often.
class TagView
{
public:
    explicit TagView(std::string_view tag);
    // A tag whose attributes were found by the scan that found its end.
    TagView(std::string_view tag, std::span<const TagAttribute> attributes);
    TagView(const TagView &) = delete;
    TagView &operator=(const TagView &) = delete;

    // The decoded value of the first attribute of that name (ASCII case folded).
    std::optional<std::string> value(std::string_view name) const;
    std::span<const TagAttribute> attributes() const { return mAttributes; }
    std::string_view text() const { return mTag; }
    std::string_view nameOf(const TagAttribute &attribute) const;

private:
    std::string_view mTag;
    std::vector<TagAttribute> mParsed;
    std::span<const TagAttribute> mAttributes;
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
    // Position just past the '>' that closes the tag opened at `lt`. A quoted value holds
    // anything up to its closing quote; a quote that never closes, or whose value would take
    // in a MAP start or end tag (which bound every block), is a stray one and the tag ends at
    // its first '>', so that a block the editor writes can never close it. A tag left open
    // ends before the next MAP, AREA or IMG tag. npos when no '>' follows.
    static std::size_t tagEnd(std::string_view text, std::size_t lt);
    // What a scan of the tag at `lt` found besides its end.
    struct TagScan
    {
        std::size_t end = npos;
        bool leftOpen = false;   // it ends before another tag, or at the end of the text
        bool strayQuote = false; // a quoted value never closed
        bool serverCode = false; // template or server code opens outside its quoted values
        bool strayEquals = false; // a '=' where a name should start, or with no value at the end
        // No '>' outside quoted values closes it: it ends at its first '>', wherever that is.
        bool ranOut = false;

        // Whether nothing is amiss: its attributes are then those attributes() finds.
        bool sound() const
        {
            return !leftOpen && !strayQuote && !serverCode && !strayEquals && !ranOut;
        }
    };
    // With `attributes`, the tag's attributes are appended to it as attributes() finds them in
    // the tag's text, when the scan finds nothing amiss (no flag set); what it appended
    // otherwise is not to be used.
    static TagScan scanTag(std::string_view text, std::size_t lt,
                           std::vector<TagAttribute> *attributes = nullptr);
    static bool serverMarkAt(std::string_view text, std::size_t p);
    // Whether `lt` opens an end tag "</name>".
    static bool endTagAt(std::string_view text, std::size_t lt, std::string_view name);
    // Whether `lt` opens a start tag of that name.
    static bool tagNameAt(std::string_view text, std::size_t lt, std::string_view name);
    // Where scanning resumes when `lt` opens a comment, a processing instruction, a script or
    // a style element, whose content is not markup; `lt` itself otherwise.
    static std::size_t skipNonMarkup(std::string_view text, std::size_t lt);

    static std::vector<TagAttribute> attributes(std::string_view tag);
    // The same into `list`, whose memory is reused from one tag to the next.
    static void readAttributes(std::string_view tag, std::vector<TagAttribute> &list);
    // The first attribute of that name, compared without regard to ASCII case.
    static std::optional<TagAttribute> findAttribute(std::string_view tag, std::string_view name);
    static std::string_view valueOf(std::string_view tag, const TagAttribute &attribute);
    // The value with the forms the editor writes turned back into their characters.
    static std::string decodedValue(std::string_view tag, const TagAttribute &attribute);
    // Whether the '<' at `lt` opens a MAP, AREA or IMG tag, start or end.
    static bool startsEditedTag(std::string_view text, std::size_t lt);
    // Whether the '<' at `lt` opens a MAP start or end tag.
    static bool startsMapTag(std::string_view text, std::size_t lt);
    // Whether the '<' at `lt` opens a MAP end tag.
    static bool startsMapEndTag(std::string_view text, std::size_t lt);

private:
    static std::size_t nextAfter(std::string_view text, std::size_t lt);
    static std::size_t closingQuote(std::string_view text, std::size_t open);
    template <typename Matches>
    static std::size_t findMarkup(std::string_view text, std::size_t from, Matches matches);
};

} // namespace areamaker
