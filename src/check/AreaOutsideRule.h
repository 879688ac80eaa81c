#pragma once

#include "check/CheckRule.h"

namespace areamaker {

// area-outside: a zone wholly or partly outside its picture, when the picture is found.
class AreaOutsideRule : public CheckRule
{
public:
    void check(const PageFacts &page, std::vector<CheckFinding> &findings) const override;
};

} // namespace areamaker
