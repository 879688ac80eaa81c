#pragma once

#include "shell/LinkFieldsForm.h"

#include <cstdint>
#include <string>
#include <vector>

namespace areamaker {

class SettingsStore;
class Zone;

// One value of the geometry pane, read-only.
struct GeometryValue
{
    std::string label;
    std::string text;
    std::string tooltip;
    bool operator==(const GeometryValue &) const = default;
};

// The zone properties dialog's side in the editor: the selected zone's seven link
// attributes and its geometry; OK writes the attributes that were changed.
class ZonePropertiesForm : public LinkFieldsForm
{
public:
    // `profile` holds the user's e-mail address; it may be absent.
    ZonePropertiesForm(MapDocument &document, CanvasModel &canvas, const SettingsStore *profile,
                       PathStyle style = nativePathStyle());

    bool hasZone() const { return mZone >= 0; }
    int shape() const;
    std::string caption() const;
    int pointCount() const;
    // The geometry pane's values; for a polygon, those of point `point`.
    std::vector<GeometryValue> geometry(int point = 0) const;

    void OK();

protected:
    std::optional<TextEdit> completeLink(const std::string &text) override;

private:
    const Zone *zone() const;
    std::string email() const;

    const SettingsStore *mProfile;
    int mZone = -1;
    std::int16_t mLastCompletion = NoCompletion;
};

} // namespace areamaker
