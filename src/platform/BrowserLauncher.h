#pragma once

#include <string>

namespace areamaker {

// Starts a browser program on a URL, detached from the editor.
class BrowserLauncher
{
public:
    virtual ~BrowserLauncher() = default;
    // Empty when the program started; otherwise the system's reason, in French.
    virtual std::string launch(const std::string &program, const std::string &url) = 0;
};

} // namespace areamaker
