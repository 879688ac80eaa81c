#include "check/AreaCoordsRule.h"

#include "check/AreaGeometry.h"

namespace areamaker {

void AreaCoordsRule::check(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    for (std::size_t m = 0; m < page.maps.size(); ++m) {
        for (const AreaFacts &area : page.maps[m].areas) {
            const AreaGeometry &g = area.geometry;
            if (!g.valid())
                findings.push_back(finding("area-coords", Severity::Error, g.problem, area.offset,
                                           static_cast<int>(m), area.zoneIndex));
        }
    }
}

} // namespace areamaker
