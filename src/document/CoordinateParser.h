#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace areamaker {

// Converts one COORDS piece to a pixel coordinate: blanks around it are allowed, a fraction
// is rounded half to even; anything else is a CoreError naming the piece.
std::int32_t parseCoordinate(std::string_view piece);

// Splits a COORDS value at its commas and appends every piece, converted, to `values`; on a
// CoreError, the pieces before the faulty one are there.
template <typename Number>
void appendCoordinateList(std::string_view coords, std::vector<Number> &values)
{
    for (std::size_t start = 0;;) {
        const std::size_t comma = coords.find(',', start);
        values.push_back(parseCoordinate(coords.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return;
        start = comma + 1;
    }
}

} // namespace areamaker
