#include "document/TagEditing.h"

#include "document/AsciiText.h"
#include "document/AttributeValue.h"
#include "document/MarkupScanner.h"

namespace areamaker {

namespace {

std::string valueText(const std::string &value)
{
    return "=\"" + encodeAttributeValue(value) + '"';
}

} // namespace

void setAttribute(std::string &tag, std::string_view name, const std::string &value,
                  NameSpelling spelling)
{
    if (const auto a = MarkupScanner::findAttribute(tag, name)) {
        if (spelling == NameSpelling::AsWritten)
            tag.replace(a->nameEnd, a->end - a->nameEnd, valueText(value));
        else
            tag.replace(a->nameBegin, a->end - a->nameBegin, std::string(name) + valueText(value));
        return;
    }
    // After the last attribute, unless that one ends with a bare '=', which would take the
    // new attribute for its value: then right after the tag's name.
    const auto all = MarkupScanner::attributes(tag);
    const bool bareEquals = !all.empty() && all.back().hasValue && !all.back().quote &&
                            all.back().valueBegin == all.back().valueEnd;
    std::size_t at = 1;
    if (!all.empty() && !bareEquals) {
        at = all.back().end;
    } else {
        while (at < tag.size() && !isAsciiSpace(tag[at]) && tag[at] != '>' && tag[at] != '/')
            ++at;
    }
    tag.insert(at, " " + std::string(name) + valueText(value));
}

void removeAttribute(std::string &tag, std::string_view name)
{
    if (const auto a = MarkupScanner::findAttribute(tag, name))
        tag.erase(a->begin, a->end - a->begin);
}

} // namespace areamaker
