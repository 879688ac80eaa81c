#pragma once

#include "platform/CanvasPopupPort.h"
#include "platform/ImagePreviewPort.h"
#include "platform/PropertyDialogsPort.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace areamaker::testing {

// The properties dialogs, each run by a scripted user who works on the form it is given.
class ScriptedDialogs : public PropertyDialogsPort
{
public:
    std::function<void(ZonePropertiesForm &)> zoneUser;
    std::function<void(MapPropertiesForm &)> mapUser;
    // "zone" or "map", for each dialog shown.
    std::vector<std::string> shown;

    void showZoneDialog(ZonePropertiesForm &form) override
    {
        shown.push_back("zone");
        if (zoneUser)
            zoneUser(form);
    }
    void showMapDialog(MapPropertiesForm &form) override
    {
        shown.push_back("map");
        if (mapUser)
            mapUser(form);
    }
};

// A preview whose pictures decode to the sizes of a table; it remembers what it shows.
class FakePreview : public ImagePreviewPort
{
public:
    std::map<std::string, ImageSize> pictures;
    std::optional<PreviewBox> shownBox;

    std::optional<ImageSize> loadPreview(const std::string &path) override
    {
        shownBox.reset();
        const auto found = pictures.find(path);
        if (found == pictures.end())
            return std::nullopt;
        return found->second;
    }
    void showPreview(const PreviewBox &box) override { shownBox = box; }
    void clearPreview() override { shownBox.reset(); }
};

// The canvas pop-up: the items' last states and where it was opened.
class RecordingPopup : public CanvasPopupPort
{
public:
    std::map<int, bool> visible;
    std::map<int, bool> enabled;
    std::vector<Point> openedAt;

    void setPopupItemVisible(int item, bool on) override { visible[item] = on; }
    void setPopupItemEnabled(int item, bool on) override { enabled[item] = on; }
    void showCanvasPopup(Point at) override { openedAt.push_back(at); }
};

} // namespace areamaker::testing
