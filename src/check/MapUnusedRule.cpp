#include "check/MapUnusedRule.h"

#include <string_view>
#include <unordered_set>

namespace areamaker {

void MapUnusedRule::checkPage(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    std::unordered_set<std::string_view> used;
    for (const ImgFacts &img : page.images) {
        if (img.usemap && img.usemap->starts_with('#'))
            used.insert(img.usemap->substr(1));
    }
    for (std::size_t m = 0; m < page.maps.size(); ++m) {
        const MapFacts &map = page.maps[m];
        // A map without a name cannot be used; the map-name rule says so.
        if (map.key().empty() || (map.name && used.count(*map.name)) ||
            (map.id && used.count(*map.id)))
            continue;
        findings.push_back(finding("map-unused", Severity::Warning,
                                   "Aucune image n'utilise la map " + quoted(map.key()) + ".",
                                   map.offset, static_cast<int>(m)));
    }
}

} // namespace areamaker
