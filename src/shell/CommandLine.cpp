#include "shell/CommandLine.h"

#include "document/AsciiText.h"

#include <algorithm>

namespace areamaker {

namespace {

bool isBlank(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return isAsciiSpace(c); });
}

} // namespace

CommandLine CommandLine::parse(const std::vector<std::string> &arguments)
{
    CommandLine line;
    if (std::all_of(arguments.begin(), arguments.end(), isBlank))
        return line;
    line.page = arguments.front();
    line.kind = isBlank(line.page) ? Kind::Invalid : Kind::Page;
    for (std::size_t i = 1; i + 1 < arguments.size(); ++i) {
        if (equalsIgnoreAsciiCase(arguments[i], "-p")) {
            line.mapName = arguments[i + 1];
            break;
        }
    }
    return line;
}

} // namespace areamaker
