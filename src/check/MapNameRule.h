#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// map-name: a MAP name that is empty, holds a blank, differs from the map's ID, or
// repeats another map's (in the same letters: error; in other case only: warning, as older
// browsers compared names without regard to case).
class MapNameRule : public CheckRule
{
public:
    void checkPage(const PageFacts &page, std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
