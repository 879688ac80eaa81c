#include "document/AreaAttributes.h"

#include "document/AttributeValue.h"

namespace areamaker {

std::string quotedAttribute(const char *name, const std::string &value)
{
    return std::string(" ") + name + "=\"" + encodeAttributeValue(value) + '"';
}

std::string writeAttributes(const AreaAttributes &attributes, bool skipHref)
{
    std::string text;
    for (const auto &[index, name] : writtenAttributeOrder) {
        if (skipHref && index == AttrHref)
            continue;
        if (!attributes[index].empty())
            text += quotedAttribute(name, attributes[index]);
    }
    return text;
}

} // namespace areamaker
