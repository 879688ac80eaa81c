#include "document/AreaAttributes.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"

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

void appendAttribute(std::string &text, std::string_view name, std::string_view value,
                     AreaMarkup markup)
{
    text += ' ';
    appendSpelled(text, name, markup);
    text += "=\"";
    appendEncodedAttributeValue(text, value);
    text += '"';
}

void appendShape(std::string &tag, std::string_view shape, AreaMarkup markup)
{
    tag += '<';
    appendSpelled(tag, "AREA", markup);
    tag += ' ';
    appendSpelled(tag, "SHAPE", markup);
    tag += "=\"";
    appendSpelled(tag, shape, markup);
    tag += '"';
}

// The non-empty attributes in written order, the others as written, and the tag's end.
void appendLinkAndOthers(std::string &tag, const AreaAttributes &attributes,
                         const OtherAttributes &others, AreaMarkup markup)
{
    for (const auto &[index, name] : writtenAttributeOrder) {
        if (!attributes[index].empty())
            appendAttribute(tag, name, attributes[index], markup);
    }
    for (const OtherAttribute &other : others) {
        const bool givenAValue =
            other.emptyAttribute >= 0 &&
            !attributes[static_cast<std::size_t>(other.emptyAttribute)].empty();
        if (!givenAValue) {
            tag += ' ';
            tag += other.text;
        }
    }
    tag += markup.selfClosing ? " />" : ">";
}

} // namespace

std::string quotedAttribute(std::string_view name, const std::string &value)
{
    std::string text;
    appendAttribute(text, name, value, {});
    return text;
}

std::string areaTag(std::string_view shape, std::optional<std::string_view> coords,
                    const AreaAttributes &attributes, const OtherAttributes &others,
                    AreaMarkup markup)
{
    std::string tag;
    tag.reserve(160);
    appendAreaTag(tag, shape, coords, attributes, others, markup);
    return tag;
}

void appendAreaTag(std::string &tag, std::string_view shape, std::optional<std::string_view> coords,
                   const AreaAttributes &attributes, const OtherAttributes &others,
                   AreaMarkup markup)
{
    appendShape(tag, shape, markup);
    if (coords)
        appendAttribute(tag, "COORDS", *coords, markup);
    appendLinkAndOthers(tag, attributes, others, markup);
}

void appendAreaTagUpToCoords(std::string &tag, std::string_view shape, AreaMarkup markup)
{
    appendShape(tag, shape, markup);
    tag += ' ';
    appendSpelled(tag, "COORDS", markup);
    tag += "=\"";
}

void appendAreaTagFromCoords(std::string &tag, const AreaAttributes &attributes,
                             const OtherAttributes &others, AreaMarkup markup)
{
    tag += '"';
    appendLinkAndOthers(tag, attributes, others, markup);
}

} // namespace areamaker
