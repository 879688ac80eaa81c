#include "check/AreaAltRule.h"

#include <string_view>
#include <unordered_set>

namespace areamaker {

void AreaAltRule::check(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    for (std::size_t m = 0; m < page.maps.size(); ++m) {
        const MapFacts &map = page.maps[m];
        std::unordered_set<std::string_view> describedLinks;
        for (const AreaFacts &area : map.areas) {
            if (area.href && area.alt && !area.alt->empty())
                describedLinks.insert(*area.href);
        }
        for (const AreaFacts &area : map.areas) {
            if (!area.href ||
                (area.alt && (!area.alt->empty() || describedLinks.count(*area.href))))
                continue;
            const std::string message =
                area.alt
                    ? "Texte alternatif (ALT) vide : aucune autre zone de la map ne mène à " +
                          quoted(*area.href) + " avec un texte."
                    : "Zone avec un lien (" + quoted(*area.href) + ") sans texte alternatif (ALT).";
            findings.push_back(finding("area-alt", Severity::Error, message, area.offset,
                                       static_cast<int>(m), area.zoneIndex));
        }
    }
}

} // namespace areamaker
