#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-coords: COORDS that make no shape of its kind, or a SHAPE keyword no browser knows.
class AreaCoordsRule : public CheckRule
{
public:
    void checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                  std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
