#include "check/AreaEmptyRule.h"

#include "check/AreaGeometry.h"

namespace areamaker {

void AreaEmptyRule::checkMap(const PageFacts &, const MapFacts &map, int mapIndex,
                             std::vector<CheckFinding> &findings) const
{
    for (const AreaFacts &area : map.areas) {
        const AreaGeometry &g = area.geometry;
        if (g.isZone() && g.valid() && g.surface() == 0)
            findings.push_back(finding("area-empty", Severity::Warning,
                                       "Zone de surface nulle : aucun clic ne peut l'atteindre.",
                                       area.offset, mapIndex, area.zoneIndex));
    }
}

} // namespace areamaker
