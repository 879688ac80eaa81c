#include "check/AreaEmptyRule.h"

#include "check/AreaGeometry.h"

namespace areamaker {

void AreaEmptyRule::check(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    for (std::size_t m = 0; m < page.maps.size(); ++m) {
        for (const AreaFacts &area : page.maps[m].areas) {
            const AreaGeometry &g = area.geometry;
            if (g.isZone() && g.valid() && g.surface() == 0)
                findings.push_back(
                    finding("area-empty", Severity::Warning,
                            "Zone de surface nulle : aucun clic ne peut l'atteindre.", area.offset,
                            static_cast<int>(m), area.zoneIndex));
        }
    }
}

} // namespace areamaker
