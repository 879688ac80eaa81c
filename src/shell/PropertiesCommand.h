#pragma once

#include "document/Paths.h"

#include <string>

namespace areamaker {

class CanvasModel;
class MapDocument;
class PropertyDialogsPort;
class SettingsStore;

// Opens the zone and image map properties dialogs, modally, for the selected zone or the
// active map, with the status text that goes with them.
class PropertiesCommand
{
public:
    // `profile` holds the user's e-mail address for the link completion; it may be absent.
    // Sizes are written with `decimalSeparator`, the user's.
    PropertiesCommand(MapDocument &document, CanvasModel &canvas, PropertyDialogsPort &dialogs,
                      const SettingsStore *profile, std::string decimalSeparator,
                      PathStyle style = nativePathStyle());

    // The map's dialog when `forceMap`, when the last command aimed at the map, or when no
    // zone is selected; the selected zone's otherwise.
    void ShowProperties(bool forceMap);
    // As ShowProperties, aimed at what is selected now: the zone, or else the map.
    void showPropertiesOfSelection();
    void showZoneDialog();
    void showMapDialog();

private:
    void closed();

    MapDocument &mDocument;
    CanvasModel &mCanvas;
    PropertyDialogsPort &mDialogs;
    const SettingsStore *mProfile;
    std::string mDecimalSeparator;
    PathStyle mStyle;
};

} // namespace areamaker
