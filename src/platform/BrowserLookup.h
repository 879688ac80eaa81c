#pragma once

#include <optional>
#include <string>

namespace areamaker {

// Asks the desktop which program opens web pages.
class BrowserLookup
{
public:
    virtual ~BrowserLookup() = default;
    // The program's full path, empty when none is registered; nothing when the desktop
    // could not be asked.
    virtual std::optional<std::string> defaultBrowser() = 0;
};

} // namespace areamaker
