#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-outside: a zone wholly or partly outside its picture, when the picture is found.
class AreaOutsideRule : public CheckRule
{
public:
    void checkMap(const PageFacts &page, const MapFacts &map, int mapIndex,
                  std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
