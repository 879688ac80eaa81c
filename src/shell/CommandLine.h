#pragma once

#include <string>
#include <vector>

namespace areamaker {

// What the program was asked to open: a page, and optionally the map to show first.
struct CommandLine
{
    enum class Kind
    {
        None,
        Invalid,
        Page
    };
    Kind kind = Kind::None;
    std::string page;
    // Compared exactly with the names as read from the page.
    std::string mapName;

    // The arguments after the program's name: PAGE [-p|-P MAP]. No argument at all is
    // None; an empty page path is Invalid (nothing opened, no assistant).
    static CommandLine parse(const std::vector<std::string> &arguments);
};

} // namespace areamaker
