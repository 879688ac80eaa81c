#include "check/AreaCoordsRule.h"

#include "check/AreaGeometry.h"

namespace areamaker {

void AreaCoordsRule::checkMap(const PageFacts &, const MapFacts &map, int mapIndex,
                              std::vector<CheckFinding> &findings) const
{
    for (const AreaFacts &area : map.areas) {
        const AreaGeometry &g = area.geometry;
        if (!g.valid())
            findings.push_back(finding("area-coords", Severity::Error, g.problem, area.offset,
                                       mapIndex, area.zoneIndex));
    }
}

} // namespace areamaker
