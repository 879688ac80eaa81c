#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// Markup is matched with ASCII-only case folding, so a folded copy keeps every byte position.
// The one-character tests are inline: the scanner calls them for every byte of a page.
inline char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

inline char toLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);

inline bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toUpperAscii(a[i]) != toUpperAscii(b[i]))
            return false;
    }
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix);

inline bool startsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() &&
           equalsIgnoreAsciiCase(text.substr(0, prefix.size()), prefix);
}

inline bool isAsciiSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// The line break the page uses: LF when its first line break is a bare LF, else CR LF.
std::string_view lineBreakOf(std::string_view page);

} // namespace areamaker
