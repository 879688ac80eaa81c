#pragma once

#include "shell/AppSettings.h"

namespace areamaker {

// The main window as the start-up routine drives it.
class StartupHost
{
public:
    virtual ~StartupHost() = default;
    // Builds the window without showing it; it starts with no document.
    virtual void loadMainWindow() = 0;
    virtual void showSplash() = 0;
    virtual void placeMainWindow(const WindowPlacement &placement) = 0;
    virtual void showMainWindow() = 0;
    // The screen's size in twips.
    virtual float screenWidth() const = 0;
    virtual float screenHeight() const = 0;
};

} // namespace areamaker
