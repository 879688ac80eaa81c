#include "check/AreaAltRule.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace areamaker {

void AreaAltRule::checkMap(const PageFacts &, const MapFacts &map, int mapIndex,
                           std::vector<CheckFinding> &findings) const
{
    // Sorted once and searched: one allocation for the map rather than one per link.
    std::vector<std::string_view> describedLinks;
    for (const AreaFacts &area : map.areas) {
        if (area.href && area.alt && !area.alt->empty())
            describedLinks.push_back(*area.href);
    }
    std::sort(describedLinks.begin(), describedLinks.end());
    const auto described = [&](std::string_view link) {
        return std::binary_search(describedLinks.begin(), describedLinks.end(), link);
    };
    for (const AreaFacts &area : map.areas) {
        if (!area.href || (area.alt && (!area.alt->empty() || described(*area.href))))
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
