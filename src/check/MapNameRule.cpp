#include "check/MapNameRule.h"

#include "document/AsciiText.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace areamaker {

namespace {

// What is wrong with the map's own NAME and ID, or nothing.
std::string ownNameProblem(const MapFacts &map)
{
    const std::string_view key = map.key();
    if (key.empty())
        return map.name || map.id ? "Map au nom vide." : "Map sans nom : NAME est requis.";
    if (std::any_of(key.begin(), key.end(), isAsciiSpace))
        return "Le nom de map « " + std::string(key) + " » contient une espace.";
    if (map.name && map.id && *map.name != *map.id)
        return "L'ID « " + std::string(*map.id) + " » de la map diffère de son nom « " +
               std::string(*map.name) + " ».";
    return {};
}

} // namespace

void MapNameRule::checkPage(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    std::unordered_set<std::string_view> names;
    std::unordered_map<std::string, std::string_view> byFoldedName;
    for (std::size_t m = 0; m < page.maps.size(); ++m) {
        const MapFacts &map = page.maps[m];
        const int index = static_cast<int>(m);
        if (const std::string problem = ownNameProblem(map); !problem.empty()) {
            findings.push_back(finding("map-name", Severity::Error, problem, map.offset, index));
            if (map.key().empty())
                continue;
        }
        const auto [folded, firstOfFold] =
            byFoldedName.try_emplace(toUpperAscii(map.key()), map.key());
        if (!names.insert(map.key()).second)
            findings.push_back(finding("map-name", Severity::Error,
                                       "Une autre map porte déjà le nom " + quoted(map.key()) + ".",
                                       map.offset, index));
        else if (!firstOfFold)
            findings.push_back(finding("map-name", Severity::Warning,
                                       "Le nom " + quoted(map.key()) +
                                           " ne diffère que par la casse de celui de la map " +
                                           quoted(folded->second) + ".",
                                       map.offset, index));
    }
}

} // namespace areamaker
