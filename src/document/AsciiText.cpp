#include "document/AsciiText.h"

namespace areamaker {

char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string toUpperAscii(std::string_view text)
{
    std::string upper(text);
    for (char &c : upper)
        c = toUpperAscii(c);
    return upper;
}

char toLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string toLowerAscii(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = toLowerAscii(c);
    return lower;
}

bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toUpperAscii(a[i]) != toUpperAscii(b[i]))
            return false;
    }
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool startsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           equalsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string_view lineBreakOf(std::string_view page)
{
    const auto lf = page.find('\n');
    if (lf != std::string_view::npos && (lf == 0 || page[lf - 1] != '\r'))
        return "\n";
    return "\r\n";
}

} // namespace areamaker
