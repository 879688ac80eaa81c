#include "document/AreaAttributes.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"
#include "document/MarkupScanner.h"

namespace areamaker {

namespace {

// Appends a name or keyword in the map's case.
void appendSpelled(std::string &text, std::string_view name, AreaMarkup markup)
{
    if (!markup.lowerCase) {
        text += name;
        return;
    }
    for (const char c : name)
        text += toLowerAscii(c);
}

void appendAttribute(std::string &text, std::string_view name, const std::string &value,
                     AreaMarkup markup)
{
    text += ' ';
    appendSpelled(text, name, markup);
    text += "=\"";
    text += encodeAttributeValue(value);
    text += '"';
}

// A link attribute the page wrote empty is kept among the others until a value is given to
// it; the value is then written in its place.
bool givenAValue(std::string_view other, const AreaAttributes &attributes)
{
    const std::string tag = "<a " + std::string(other) + ">";
    const auto written = MarkupScanner::attributes(tag);
    if (written.empty() || written[0].valueBegin != written[0].valueEnd)
        return false;
    const std::string_view name = std::string_view(tag).substr(
        written[0].nameBegin, written[0].nameEnd - written[0].nameBegin);
    for (const auto &[index, known] : writtenAttributeOrder) {
        if (equalsIgnoreAsciiCase(name, known))
            return !attributes[index].empty();
    }
    return false;
}

} // namespace

std::string quotedAttribute(std::string_view name, const std::string &value)
{
    std::string text;
    appendAttribute(text, name, value, {});
    return text;
}

std::string areaTag(std::string_view shape, const std::optional<std::string> &coords,
                    const AreaAttributes &attributes, const std::vector<std::string> &others,
                    AreaMarkup markup)
{
    std::string tag;
    tag.reserve(160);
    tag += '<';
    appendSpelled(tag, "AREA", markup);
    appendAttribute(tag, "SHAPE", markup.lowerCase ? toLowerAscii(shape) : std::string(shape),
                    markup);
    if (coords)
        appendAttribute(tag, "COORDS", *coords, markup);
    for (const auto &[index, name] : writtenAttributeOrder) {
        if (!attributes[index].empty())
            appendAttribute(tag, name, attributes[index], markup);
    }
    for (const std::string &other : others) {
        if (!givenAValue(other, attributes)) {
            tag += ' ';
            tag += other;
        }
    }
    tag += markup.selfClosing ? " />" : ">";
    return tag;
}

} // namespace areamaker
