#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace areamaker {

// HREF, TARGET, ALT, TITLE, onClick, onMouseOver, onMouseOut, always in this index order.
using AreaAttributes = std::array<std::string, 7>;

enum AreaAttribute : int
{
    AttrHref = 0,
    AttrTarget = 1,
    AttrAlt = 2,
    AttrTitle = 3,
    AttrOnClick = 4,
    AttrOnMouseOver = 5,
    AttrOnMouseOut = 6,
};

// The order and spelling in which an AREA tag lists its attributes after SHAPE and COORDS.
constexpr std::array<std::pair<AreaAttribute, const char *>, 7> writtenAttributeOrder = {{
    {AttrHref, "HREF"},
    {AttrTarget, "TARGET"},
    {AttrTitle, "TITLE"},
    {AttrAlt, "ALT"},
    {AttrOnClick, "onClick"},
    {AttrOnMouseOver, "onMouseOver"},
    {AttrOnMouseOut, "onMouseOut"},
}};

// How a map's tags are written: the editor's own upper-case form, or the form of an XHTML
// page that was read that way ("<area … />" with lower-case names and keywords).
struct AreaMarkup
{
    bool lowerCase = false;
    bool selfClosing = false;
};

// An AREA attribute the editor does not read, as the page wrote it. A link attribute written
// empty (alt="") is kept this way too, for as long as its value stays empty.
struct OtherAttribute
{
    OtherAttribute(std::string written, int emptyLink = -1)
        : text(std::move(written)), emptyAttribute(emptyLink)
    {
    }
    std::string text;
    int emptyAttribute; // the AreaAttributes index it stands for while empty, or -1
    bool operator==(const OtherAttribute &) const = default;
};
using OtherAttributes = std::vector<OtherAttribute>;

// " NAME=" + the value in double quotes, encoded as the editor writes values.
std::string quotedAttribute(std::string_view name, const std::string &value);

// An AREA tag: SHAPE, COORDS when given, the non-empty attributes in written order, then
// the attributes the editor does not know, as they were written.
std::string areaTag(std::string_view shape, std::optional<std::string_view> coords,
                    const AreaAttributes &attributes, const OtherAttributes &others,
                    AreaMarkup markup);
// The same, appended to `tag`.
void appendAreaTag(std::string &tag, std::string_view shape, std::optional<std::string_view> coords,
                   const AreaAttributes &attributes, const OtherAttributes &others,
                   AreaMarkup markup);
// The same in two halves, for a writer that puts COORDS's value between them.
void appendAreaTagUpToCoords(std::string &tag, std::string_view shape, AreaMarkup markup);
void appendAreaTagFromCoords(std::string &tag, const AreaAttributes &attributes,
                             const OtherAttributes &others, AreaMarkup markup);

} // namespace areamaker
