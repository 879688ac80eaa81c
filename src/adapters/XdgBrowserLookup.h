#pragma once

#include "platform/BrowserLookup.h"

namespace areamaker {

// Asks the desktop for the program registered for web pages (xdg-mime, then the
// program's desktop entry).
class XdgBrowserLookup : public BrowserLookup
{
public:
    std::optional<std::string> defaultBrowser() override;
};

} // namespace areamaker
