#pragma once

#include "check/CheckRule.h"

namespace areamaker {

class FolderListings;

// area-href: a link to a file of this computer that does not exist.
class AreaHrefRule : public CheckRule
{
public:
    explicit AreaHrefRule(FolderListings &folders) : mFolders(folders) {}
    void checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                  std::vector<CheckFinding> &findings) const override;

private:
    FolderListings &mFolders;
};

} // namespace areamaker
