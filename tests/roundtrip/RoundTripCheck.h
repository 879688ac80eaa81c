#pragma once

#include <string>

namespace areamaker::testing {

// Reads any page, lists it, renames and rewrites every map the editor may change, and reads
// the result again: nothing outside the regenerated MAP blocks and the IMG tags bound to
// them may change, every IMG tag that found a map must find the same one, and the maps read
// back must be the maps written; and the batch rewrite must write what a save of every map
// writes. Returns what went wrong, or nothing.
std::string checkRoundTrip(const std::string &page);

} // namespace areamaker::testing
