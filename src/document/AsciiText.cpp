#include "document/AsciiText.h"

namespace areamaker {

std::string toUpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper)
        c = toUpperAscii(c);
    return upper;
}

std::string toLowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = toLowerAscii(c);
    return lower;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

std::string_view lineBreakOf(std::string_view page)
{
    const auto lf = page.find('\n');
    if (lf != std::string_view::npos && (lf == 0 || page[lf - 1] != '\r'))
        return "\n";
    return "\r\n";
}

} // namespace areamaker
