#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// usemap-target: a USEMAP that is not "#name", or names no MAP of the page.
class UsemapTargetRule : public CheckRule
{
public:
    void checkPage(const PageFacts &page, std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
