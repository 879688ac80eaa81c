#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-alt: a link needs a text for those who cannot see the picture; an empty ALT
// is allowed only where another AREA of the map leads to the same place with a text.
class AreaAltRule : public CheckRule
{
public:
    void checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                  std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
