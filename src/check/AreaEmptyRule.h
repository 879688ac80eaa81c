#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-empty: a zone of no surface (a circle of radius 0, a flat polygon).
class AreaEmptyRule : public CheckRule
{
public:
    void check(const PageFacts &page, std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
