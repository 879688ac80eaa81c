#include "shell/DocumentCheck.h"

#include "document/AsciiText.h"
#include "document/DocumentLifecycle.h"
#include "document/MapBlockFinder.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "shell/ZoneTreeBinding.h"

#include <map>

namespace areamaker {

bool DocumentCheck::run(std::vector<CheckFinding> &findings, std::string &failure)
{
    findings.clear();
    if (mDocument.DocumentState != DocumentOpen) {
        failure = "Aucune page n'est ouverte.";
        return false;
    }
    std::string text;
    if (!mLifecycle.pageAsSaved(text, failure))
        return false;
    findings = mChecker.check(text, mDocument.Path);
    mCheckedPath = mDocument.Path;
    const std::vector<int> owners = mapsOfBlocks(text);
    for (CheckFinding &f : findings) {
        const auto block = static_cast<std::size_t>(f.mapIndex);
        f.mapIndex = f.mapIndex >= 0 && block < owners.size() ? owners[block] : -1;
        if (f.mapIndex < 0)
            f.zoneIndex = -1;
    }
    return true;
}

std::vector<int> DocumentCheck::mapsOfBlocks(const std::string &text) const
{
    // The k-th living map of a name wrote the k-th block of that name: a changed map under
    // its new name, any other under the name it was read with.
    std::map<std::string, std::vector<int>> mapsByName;
    for (int i = 0; i < mDocument.MapCount(); ++i) {
        const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(i)];
        if (map.Alive)
            mapsByName[toUpperAscii(map.Modified && !map.isReadOnly() ? map.Name : map.NameAsRead)]
                .push_back(i);
    }
    std::map<std::string, std::size_t> seen;
    std::vector<int> owners;
    for (const MapBlock &block : MapBlockFinder::find(text)) {
        const std::string name = toUpperAscii(block.name);
        const std::size_t rank = seen[name]++;
        const auto found = mapsByName.find(name);
        owners.push_back(
            found != mapsByName.end() && rank < found->second.size() ? found->second[rank] : -1);
    }
    return owners;
}

void DocumentCheck::select(const CheckFinding &finding)
{
    if (mDocument.DocumentState != DocumentOpen || mDocument.Path != mCheckedPath ||
        finding.mapIndex < 0 || finding.mapIndex >= mDocument.MapCount())
        return;
    mTree.showNode(finding.zoneIndex >= 0 ? zoneKey(finding.mapIndex, finding.zoneIndex)
                                          : mapKey(finding.mapIndex));
}

} // namespace areamaker
