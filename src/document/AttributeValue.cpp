#include "document/AttributeValue.h"

#include "document/MarkupScanner.h"

#include <algorithm>

namespace areamaker {

namespace {

constexpr std::string_view quoteEntity = "&quot;";
constexpr std::string_view lessThanEntity = "&lt;";

// Enough of what follows a '<' to tell whether it opens a MAP tag.
bool opensMapTag(std::string_view afterLessThan)
{
    const std::string lookahead = "<" + std::string(afterLessThan.substr(0, 5));
    return MarkupScanner::startsMapTag(lookahead, 0);
}

} // namespace

std::string encodeAttributeValue(std::string_view value)
{
    std::string text;
    text.reserve(value.size());
    appendEncodedAttributeValue(text, value);
    return text;
}

void appendEncodedAttributeValue(std::string &text, std::string_view value)
{
    // The runs between two characters that may need a form are copied whole.
    std::size_t run = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const bool quote = value[i] == '"';
        if (!quote && (value[i] != '<' || !MarkupScanner::startsMapTag(value, i)))
            continue;
        text.append(value.substr(run, i - run));
        text += quote ? quoteEntity : lessThanEntity;
        run = i + 1;
    }
    text.append(value.substr(run));
}

std::string decodeAttributeValue(std::string_view written)
{
    std::string value;
    value.reserve(written.size());
    // The runs between two '&' are copied whole.
    for (std::size_t i = 0; i < written.size();) {
        const std::size_t amp = std::min(written.find('&', i), written.size());
        value.append(written.substr(i, amp - i));
        if (amp == written.size())
            break;
        const std::string_view rest = written.substr(amp);
        if (rest.starts_with(quoteEntity)) {
            value += '"';
            i = amp + quoteEntity.size();
        } else if (rest.starts_with(lessThanEntity) &&
                   opensMapTag(rest.substr(lessThanEntity.size()))) {
            value += '<';
            i = amp + lessThanEntity.size();
        } else {
            value += '&';
            i = amp + 1;
        }
    }
    return value;
}

} // namespace areamaker
