#include "check/AreaAltRule.h"

#include <string_view>
#include <unordered_set>

namespace areamaker {

void AreaAltRule::checkMap(const PageFacts &, const MapFacts &map, int mapIndex,
                           std::vector<CheckFinding> &findings) const
{
    std::unordered_set<std::string_view> describedLinks;
    for (const AreaFacts &area : map.areas) {
        if (area.href && area.alt && !area.alt->empty())
            describedLinks.insert(*area.href);
    }
    for (const AreaFacts &area : map.areas) {
        if (!area.href || (area.alt && (!area.alt->empty() || describedLinks.count(*area.href))))
            continue;
        const std::string message =
            area.alt
                ? "Texte alternatif (ALT) vide : aucune autre zone de la map ne mène à " +
                      quoted(*area.href) + " avec un texte."
                : "Zone avec un lien (" + quoted(*area.href) + ") sans texte alternatif (ALT).";
        findings.push_back(
            finding("area-alt", Severity::Error, message, area.offset, mapIndex, area.zoneIndex));
    }
}

} // namespace areamaker
