#include "check/AreaHrefRule.h"

#include "check/FolderListings.h"
#include "check/LocalLink.h"

namespace areamaker {

void AreaHrefRule::check(const PageFacts &page, std::vector<CheckFinding> &findings) const
{
    LocalLink links(page.path);
    for (std::size_t m = 0; m < page.maps.size(); ++m) {
        for (const AreaFacts &area : page.maps[m].areas) {
            const std::string *file = area.href ? links.fileOf(*area.href) : nullptr;
            if (file && !mFolders.exists(*file, links.folder()))
                findings.push_back(finding(
                    "area-href", Severity::Warning,
                    joined({"Le lien « ", *area.href, " » mène à un fichier qui n'existe pas."}),
                    area.offset, static_cast<int>(m), area.zoneIndex));
        }
    }
}

} // namespace areamaker
