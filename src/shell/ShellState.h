#pragma once

#include "shell/AppSettings.h"

#include <string>

namespace areamaker {

// The process-wide values of the shell: the settings and what start-up derives from them.
struct ShellState
{
    // The program's folder, ending with a separator.
    std::string AppFolder;
    AppSettings Settings;
    int BrowserKind = 0;
    // This build has no owner-drawn menu library to ask, so the flag stays false.
    bool MenuStyleFlag = false;
    // The step at which the new image map assistant starts: 0 page, 1 image.
    int AssistantMode = 0;
};

} // namespace areamaker
