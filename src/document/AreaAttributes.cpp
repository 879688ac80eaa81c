#include "document/AreaAttributes.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"

namespace areamaker {

namespace {

std::string spelled(std::string_view name, AreaMarkup markup)
{
    return markup.lowerCase ? toLowerAscii(name) : std::string(name);
}

} // namespace

std::string quotedAttribute(const char *name, const std::string &value)
{
    return std::string(" ") + name + "=\"" + encodeAttributeValue(value) + '"';
}

std::string areaTag(std::string_view shape, const std::optional<std::string> &coords,
                    const AreaAttributes &attributes, const std::vector<std::string> &others,
                    AreaMarkup markup)
{
    std::string tag = spelled("<AREA SHAPE=\"", markup) + spelled(shape, markup) + '"';
    if (coords)
        tag += spelled(" COORDS=\"", markup) + *coords + '"';
    for (const auto &[index, name] : writtenAttributeOrder) {
        if (!attributes[index].empty())
            tag += quotedAttribute(spelled(name, markup).c_str(), attributes[index]);
    }
    for (const std::string &other : others)
        tag += " " + other;
    return tag + (markup.selfClosing ? " />" : ">");
}

} // namespace areamaker
