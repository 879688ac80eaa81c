#pragma once

#include <array>
#include <string>

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

// " NAME=" + the value in double quotes, encoded as the editor writes values.
std::string quotedAttribute(const char *name, const std::string &value);

// The non-empty attributes in written order, HREF left out when asked.
std::string writeAttributes(const AreaAttributes &attributes, bool skipHref = false);

} // namespace areamaker
