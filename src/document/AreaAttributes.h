#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
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

// " NAME=" + the value in double quotes, encoded as the editor writes values.
std::string quotedAttribute(std::string_view name, const std::string &value);

// An AREA tag: SHAPE, COORDS when given, the non-empty attributes in written order, then
// the attributes the editor does not know, as they were written.
std::string areaTag(std::string_view shape, const std::optional<std::string> &coords,
                    const AreaAttributes &attributes, const std::vector<std::string> &others,
                    AreaMarkup markup);

} // namespace areamaker
