#include "check/AreaOutsideRule.h"

#include "check/AreaGeometry.h"

namespace areamaker {

void AreaOutsideRule::checkMap(const PageFacts &, const MapFacts &map, int mapIndex,
                               std::vector<CheckFinding> &findings) const
{
    if (!map.picture)
        return;
    const double w = map.picture->width, h = map.picture->height;
    const std::string size = " (" + std::to_string(map.picture->width) + " × " +
                             std::to_string(map.picture->height) + ").";
    for (const AreaFacts &area : map.areas) {
        const AreaGeometry &g = area.geometry;
        if (!g.isZone() || !g.valid())
            continue;
        const AreaGeometry::Box b = g.box();
        std::string message;
        if (b.right <= 0 || b.bottom <= 0 || b.left >= w || b.top >= h)
            message = "Zone entièrement hors de son image" + size;
        else if (b.left < 0 || b.top < 0 || b.right > w || b.bottom > h)
            message = "Zone en partie hors de son image" + size;
        if (!message.empty())
            findings.push_back(finding("area-outside", Severity::Warning, message, area.offset,
                                       mapIndex, area.zoneIndex));
    }
}

} // namespace areamaker
