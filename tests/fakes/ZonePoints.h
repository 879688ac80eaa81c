#pragma once

#include "document/MapDocument.h"
#include "document/Zone.h"

#include <vector>

namespace areamaker::testing {

inline std::vector<Point> pointsOf(const Zone &zone)
{
    std::vector<Point> points;
    for (int i = 0; i < zone.hNCoords(); ++i)
        points.push_back(zone.point(i));
    return points;
}

// The points of one of the active map's zones.
inline std::vector<Point> activeZonePoints(const MapDocument &document, int index)
{
    return pointsOf(document.ActiveZones.at(static_cast<std::size_t>(index)));
}

} // namespace areamaker::testing
