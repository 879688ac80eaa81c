#include "check/UsemapTargetRule.h"

#include "document/AsciiText.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace areamaker {

void UsemapTargetRule::checkPage(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    // Browsers take the first MAP whose NAME or ID is the name, letter for letter.
    std::unordered_set<std::string_view> names;
    std::unordered_map<std::string, std::string_view> byFoldedName;
    for (const MapFacts &map : page.maps) {
        for (const auto &name : {map.name, map.id}) {
            if (!name)
                continue;
            names.insert(*name);
            byFoldedName.try_emplace(toUpperAscii(*name), *name);
        }
    }
    for (const ImgFacts &img : page.images) {
        if (!img.usemap)
            continue;
        const std::string_view usemap = *img.usemap;
        const std::string written = "USEMAP=\"" + std::string(usemap) + "\"";
        std::string message;
        if (usemap.size() < 2 || usemap[0] != '#') {
            message = written + " n'a pas la forme #nom.";
        } else if (!names.count(usemap.substr(1))) {
            const auto other = byFoldedName.find(toUpperAscii(usemap.substr(1)));
            message = written + " ne nomme aucune map de la page";
            message += other == byFoldedName.end()
                           ? "."
                           : " : la map " + quoted(other->second) + " ne diffère que par la casse.";
        }
        if (!message.empty())
            findings.push_back(finding("usemap-target", Severity::Error, message, img.offset));
    }
}

} // namespace areamaker
