#include "document/AreaAttributes.h"

namespace areamaker {

std::string quotedAttribute(const char *name, const std::string &value)
{
    std::string text = " ";
    text += name;
    text += "=\"";
    for (char c : value) {
        if (c == '"')
            text += "&quot;";
        else if (c == '<')
            text += "&lt;";
        else
            text += c;
    }
    text += '"';
    return text;
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
