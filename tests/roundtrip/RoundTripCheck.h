#pragma once

#include <string>

namespace areamaker::testing {

// Reads any page, lists it, renames and rewrites every map, and reads the result again:
// nothing outside the regenerated MAP blocks and the rebound IMG tags may change, and the
// maps read back must be the maps written. Returns what went wrong, or nothing.
std::string checkRoundTrip(const std::string &page);

} // namespace areamaker::testing
