#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-empty: a zone of no surface (a circle of radius 0, a flat polygon).
class AreaEmptyRule : public CheckRule
{
public:
    void checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                  std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
