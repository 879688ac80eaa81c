#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// map-unused: a MAP that no IMG tag uses.
class MapUnusedRule : public CheckRule
{
public:
    void checkPage(const PageFacts &page, std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
