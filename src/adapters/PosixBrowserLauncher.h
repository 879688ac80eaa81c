#pragma once

#include "platform/BrowserLauncher.h"

namespace areamaker {

// Starts the browser as a process of its own (the editor does not wait for it, and its end
// leaves nothing behind), and says in French why it could not start.
class PosixBrowserLauncher : public BrowserLauncher
{
public:
    std::string launch(const std::string &program, const std::string &url) override;

    // The French text of a failure to start a program, by errno.
    static std::string reasonOf(int error);
};

} // namespace areamaker
