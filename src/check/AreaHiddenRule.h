#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-hidden: a zone that earlier AREAs of its map cover entirely, so that a browser,
// which takes the first AREA under the pointer, never lets a click reach it.
class AreaHiddenRule : public CheckRule
{
public:
    void checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                  std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
