#pragma once

#include <string>
#include <string_view>

namespace areamaker {

// The page the assistant creates, titled with the page's file name: an empty body, lines
// ending in CR LF. A title with letters beyond ASCII is declared as UTF-8, so that browsers
// and the editor read it back as it was typed.
std::string newPageText(std::string_view fileName);

} // namespace areamaker
