#include "document/MapChange.h"

#include "document/MapDocument.h"

#include <algorithm>

namespace areamaker {

MapChange::Fields MapChange::Fields::of(const ImageMap &map)
{
    return {map.Name,          map.ImagePath,           map.ImageWidth, map.ImageHeight,
            map.DefaultRegion, map.DefaultRegionOthers, map.Alive};
}

void MapChange::Fields::storeIn(ImageMap &map) const
{
    map.Name = Name;
    map.ImagePath = ImagePath;
    map.ImageWidth = ImageWidth;
    map.ImageHeight = ImageHeight;
    map.DefaultRegion = DefaultRegion;
    map.DefaultRegionOthers = DefaultRegionOthers;
    map.Alive = Alive;
}

Zone MapChange::stored(const Zone &zone)
{
    Zone copy;
    copy.Acquire(zone);
    // A zone being resized is drawn as an outline; the document only holds regions.
    copy.setHRegion(KindRegion);
    return copy;
}

MapChange::MapChange(const MapDocument &document, int mapIndex)
    : mMap(mapIndex), mBefore(Fields::of(document.Maps.at(static_cast<std::size_t>(mapIndex))))
{
    const std::vector<Zone> &zones = document.zonesOf(mapIndex);
    mCountBefore = static_cast<int>(zones.size());
    mZonesBefore.reserve(zones.size());
    for (const Zone &zone : zones)
        mZonesBefore.push_back(stored(zone));
}

bool MapChange::finish(const MapDocument &document)
{
    mAfter = Fields::of(document.Maps.at(static_cast<std::size_t>(mMap)));
    const std::vector<Zone> &zones = document.zonesOf(mMap);
    mCountAfter = static_cast<int>(zones.size());
    for (int i = 0; i < std::max(mCountBefore, mCountAfter); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool had = i < mCountBefore;
        const bool has = i < mCountAfter;
        if (had && has && mZonesBefore[k].sameContent(zones[k]))
            continue;
        ZoneChange change{i, std::nullopt, std::nullopt};
        if (had)
            change.before = std::move(mZonesBefore[k]);
        if (has)
            change.after = stored(zones[k]);
        mZones.push_back(std::move(change));
    }
    mZonesBefore.clear();
    mZonesBefore.shrink_to_fit();
    return !mZones.empty() || !(mBefore == mAfter);
}

void MapChange::restore(MapDocument &document, const Fields &fields, int count, bool after) const
{
    fields.storeIn(document.Maps.at(static_cast<std::size_t>(mMap)));
    std::vector<Zone> &zones = document.zonesOf(mMap);
    zones.resize(static_cast<std::size_t>(count));
    for (const ZoneChange &change : mZones) {
        const std::optional<Zone> &zone = after ? change.after : change.before;
        if (zone)
            zones[static_cast<std::size_t>(change.index)].Acquire(*zone, document.canvasBuffer());
    }
}

void MapChange::revert(MapDocument &document) const
{
    restore(document, mBefore, mCountBefore, false);
}

void MapChange::apply(MapDocument &document) const
{
    restore(document, mAfter, mCountAfter, true);
}

void MapChange::absorb(const MapChange &later)
{
    mAfter = later.mAfter;
    mCountAfter = later.mCountAfter;
    for (const ZoneChange &next : later.mZones) {
        const auto same = std::ranges::find(mZones, next.index, &ZoneChange::index);
        if (same == mZones.end())
            mZones.push_back(next);
        else
            same->after = next.after;
    }
}

int MapChange::largestZoneCount() const
{
    return std::max(mCountBefore, mCountAfter);
}

bool MapChange::pictureChanged() const
{
    return mBefore.ImagePath != mAfter.ImagePath;
}

bool MapChange::aliveChanged() const
{
    return mBefore.Alive != mAfter.Alive;
}

} // namespace areamaker
