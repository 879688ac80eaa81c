#include "document/AreaAttributes.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"
#include "document/MarkupScanner.h"

namespace areamaker {

namespace {

std::string spelled(std::string_view name, AreaMarkup markup)
{
    return markup.lowerCase ? toLowerAscii(name) : std::string(name);
}

// A link attribute the page wrote empty is kept among the others until a value is given to
// it; the value is then written in its place.
bool givenAValue(std::string_view other, const AreaAttributes &attributes)
{
    const std::string tag = "<a " + std::string(other) + ">";
    const auto written = MarkupScanner::attributes(tag);
    if (written.empty() || written[0].valueBegin != written[0].valueEnd)
        return false;
    const std::string_view name =
        std::string_view(tag).substr(written[0].nameBegin, written[0].nameEnd - written[0].nameBegin);
    for (const auto &[index, known] : writtenAttributeOrder) {
        if (equalsIgnoreAsciiCase(name, known))
            return !attributes[index].empty();
    }
    return false;
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
    for (const std::string &other : others) {
        if (!givenAValue(other, attributes))
            tag += " " + other;
    }
    return tag + (markup.selfClosing ? " />" : ">");
}

} // namespace areamaker
