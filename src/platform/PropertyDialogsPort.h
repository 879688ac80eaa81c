#pragma once

namespace areamaker {

class MapPropertiesForm;
class ZonePropertiesForm;

// The two modal properties dialogs. Each shows the form it is given, hands the user's edits
// to it and calls its OK; it returns when the dialog is closed.
class PropertyDialogsPort
{
public:
    virtual ~PropertyDialogsPort() = default;
    virtual void showZoneDialog(ZonePropertiesForm &form) = 0;
    virtual void showMapDialog(MapPropertiesForm &form) = 0;
};

} // namespace areamaker
