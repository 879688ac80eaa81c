#pragma once

#include "document/AreaAttributes.h"
#include "document/Zone.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace areamaker {

class MapDocument;
struct ImageMap;

// What one step did to one map: the map's own fields before and after when they changed,
// and only the zones that differ, so that a step costs what it changed, not the map.
class MapChange
{
public:
    // Records the map as it stands, before the step changes it.
    MapChange(const MapDocument &document, int mapIndex);

    // Keeps only what differs from the map as it stands now; false when nothing does.
    bool finish(const MapDocument &document);
    // Puts the map back as it was before the step, or as it was after it.
    void revert(MapDocument &document) const;
    void apply(MapDocument &document) const;
    // Makes this change end where `later`, a change of the same map, ends.
    void absorb(const MapChange &later);

    int mapIndex() const { return mMap; }
    // The zone count before and after, whichever is larger: every zone node the map had.
    int largestZoneCount() const;
    bool pictureChanged() const;
    // How many zones the change keeps, before or after.
    std::size_t keptZones() const { return mZones.size(); }
    bool aliveChanged() const;

private:
    // The fields of a map that the user edits, apart from its zones.
    struct Fields
    {
        std::string Name;
        std::string ImagePath;
        std::int32_t ImageWidth = 0;
        std::int32_t ImageHeight = 0;
        AreaAttributes DefaultRegion;
        OtherAttributes DefaultRegionOthers;
        bool Alive = true;
        bool operator==(const Fields &) const = default;
        static Fields of(const ImageMap &map);
        void storeIn(ImageMap &map) const;
    };
    struct ZoneChange
    {
        int index = 0;
        std::optional<Zone> before;
        std::optional<Zone> after;
    };

    static Zone stored(const Zone &zone);
    void restore(MapDocument &document, const Fields &fields, int count, bool after) const;

    int mMap;
    Fields mBefore;
    Fields mAfter;
    int mCountBefore = 0;
    int mCountAfter = 0;
    std::vector<ZoneChange> mZones;
    // The zones as they were, kept only until the step is finished.
    std::vector<Zone> mZonesBefore;
};

} // namespace areamaker
