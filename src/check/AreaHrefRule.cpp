#include "check/AreaHrefRule.h"

#include "check/FolderListings.h"
#include "check/LocalLink.h"

namespace areamaker {

void AreaHrefRule::checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                            std::vector<CheckFinding> &findings) const
{
    LocalLink links(page.path);
    for (const AreaFacts &area : map.areas) {
        const std::string *file = area.href ? links.fileOf(*area.href) : nullptr;
        if (file && !mFolders.exists(*file, links.folder()))
            findings.push_back(finding(
                "area-href", Severity::Warning,
                joined({"Le lien « ", *area.href, " » mène à un fichier qui n'existe pas."}),
                area.offset, mapIndex, area.zoneIndex));
    }
}

} // namespace areamaker
