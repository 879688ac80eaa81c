#include "canvas/ZoneEdits.h"

#include "canvas/ZoneClamps.h"
#include "document/CoordinateParser.h"
#include "document/CoreError.h"
#include "document/Zone.h"
#include "document/ZoneGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace areamaker {

namespace {

// Sets the two box corners on one axis, the smaller value on point 0.
void setSpan(Zone &zone, bool horizontal, std::int64_t from, std::int64_t to)
{
    setCoord(zone, 0, horizontal, saturated(std::min(from, to)));
    setCoord(zone, 1, horizontal, saturated(std::max(from, to)));
}

void setSquare(Zone &zone, std::int64_t cx, std::int64_t cy, std::int64_t r)
{
    setSpan(zone, true, cx - r, cx + r);
    setSpan(zone, false, cy - r, cy + r);
}

} // namespace

std::optional<std::int32_t> wholeNumber(std::string_view text)
{
    try {
        return parseCoordinate(text);
    } catch (const CoreError &) {
        return std::nullopt;
    }
}

std::optional<Point> pointOf(std::string_view text)
{
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const std::optional<std::int32_t> x = wholeNumber(text.substr(0, comma));
    const std::optional<std::int32_t> y = wholeNumber(text.substr(comma + 1));
    if (!x || !y)
        return std::nullopt;
    return Point{*x, *y};
}

void placeRectangleEdge(Zone &zone, bool horizontal, std::int32_t edge, ImageSize image)
{
    const std::int64_t size =
        std::llabs(std::int64_t{coord(zone, 1, horizontal)} - coord(zone, 0, horizontal));
    const std::int64_t limit = limitOf(image, horizontal);
    if (edge < 0)
        setSpan(zone, horizontal, 0, size);
    else if (edge + size > limit)
        setSpan(zone, horizontal, limit - size, limit);
    else
        setSpan(zone, horizontal, edge, edge + size);
}

void sizeRectangle(Zone &zone, bool horizontal, std::int32_t size, ImageSize image)
{
    const std::int64_t near = std::min(coord(zone, 0, horizontal), coord(zone, 1, horizontal));
    std::int64_t length = std::llabs(std::int64_t{size});
    if (near + length > limitOf(image, horizontal))
        length = std::int64_t{limitOf(image, horizontal)} - near;
    setSpan(zone, horizontal, near, near + length);
}

void centreCircle(Zone &zone, Point centre, ImageSize image)
{
    const std::int64_t r = (std::int64_t{zone.getXCoord(1)} - zone.getXCoord(0)) / 2;
    const auto inward = [r](std::int64_t c, std::int64_t limit) {
        if (c < r)
            c = r;
        if (c > limit - r)
            c = limit - r;
        return c;
    };
    setSquare(zone, inward(centre.x, image.width), inward(centre.y, image.height), r);
}

void setCircleRadius(Zone &zone, std::int32_t radius, ImageSize image)
{
    const Circle c = circleFromCorners(zone.point(0), zone.point(1));
    std::int64_t r = std::llabs(std::int64_t{radius});
    if (c.cx + r > image.width)
        r = image.width - std::int64_t{c.cx};
    if (c.cy + r > image.height)
        r = image.height - std::int64_t{c.cy};
    // Nor past the left and top edges, so that no coordinate turns negative.
    r = std::max<std::int64_t>(0, std::min({r, std::int64_t{c.cx}, std::int64_t{c.cy}}));
    setSquare(zone, c.cx, c.cy, r);
}

void placePolygonPoint(Zone &zone, int index, Point at, ImageSize image)
{
    clampCoordinate(at.x, image.width);
    clampCoordinate(at.y, image.height);
    zone.AddXCoord(at.x, index);
    zone.AddYCoord(at.y, index);
}

} // namespace areamaker
