#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// An AREA's shape and numbers as the checker reads them, or why they make no shape.
struct AreaGeometry
{
    enum class Kind
    {
        Rectangle,
        Circle,
        Polygon,
        Default,
        Unknown
    };
    Kind kind = Kind::Unknown;
    std::vector<std::int64_t> values;
    // Empty when the numbers fit the shape; otherwise why not, in French.
    std::string problem;
    // Whether every COORDS piece is a number, whatever their count.
    bool numeric = false;

    bool valid() const { return problem.empty(); }
    bool isZone() const { return kind != Kind::Default && kind != Kind::Unknown; }

    // The geometry of an AREA with these SHAPE and COORDS values, when it has them.
    static AreaGeometry of(std::optional<std::string_view> shape,
                           std::optional<std::string_view> coords);

    struct Box
    {
        double left, top, right, bottom;
    };
    // The bounding box of a valid zone.
    Box box() const;
    // The surface of a valid zone (a polygon's by the shoelace formula).
    double surface() const;
    // Whether the point lies inside or on the edge of a valid zone.
    bool contains(double x, double y) const;
};

} // namespace areamaker
