#pragma once

#include "document/ZoneColours.h"

#include <array>
#include <string>

namespace areamaker {

inline constexpr const char *EmptySlot = "NONE";

// Where the file choosers open before any document: the user's home folder, "C:\" on
// Windows.
std::string defaultDefPath();

// The in-memory copy of the "System" settings; each field bears its stored value's name.
// The colours and widths of the drawing are those of ZoneColours, with its defaults.
struct AppSettings : ZoneColours
{
    std::array<std::string, 6> RecentDocuments{EmptySlot, EmptySlot, EmptySlot,
                                               EmptySlot, EmptySlot, EmptySlot};
    std::string DefPath = defaultDefPath();
    int ExplorateurWidth = 2960;
    int ExplorateurHeight = 5000;
    std::string NavPath;
    bool AutoProp = true;
    bool ZoneExplorer = true;
    bool ZoneProperties = true;
    bool AutoWiz = true;
    bool NewNoBorder = true;

    // The colours and widths in the form the zones draw with.
    ZoneColours zoneColours() const { return *this; }
};

// The main window's placement, in twips, as stored between runs.
struct WindowPlacement
{
    bool maximized = true;
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

} // namespace areamaker
