#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace areamaker {

// Converts one COORDS piece to a pixel coordinate: blanks around it are allowed, a fraction
// is rounded half to even; anything else is a CoreError naming the piece.
std::int32_t parseCoordinate(std::string_view piece);

// Splits a COORDS value at its commas and converts every piece.
std::vector<std::int32_t> parseCoordinateList(std::string_view coords);

} // namespace areamaker
