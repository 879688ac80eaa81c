#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// Markup is matched with ASCII-only case folding, so a folded copy keeps every byte position.
char toUpperAscii(char c);
char toLowerAscii(char c);
std::string toUpperAscii(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreAsciiCase(std::string_view a, std::string_view b);
bool startsWith(std::string_view text, std::string_view prefix);
bool startsWithIgnoreAsciiCase(std::string_view text, std::string_view prefix);
bool isAsciiSpace(char c);

// The line break the page uses: LF when its first line break is a bare LF, else CR LF.
std::string_view lineBreakOf(std::string_view page);

} // namespace areamaker
