#include "document/ZoneGeometry.h"

#include "document/CoreError.h"
#include "document/Zone.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace areamaker {

namespace {

std::int32_t toInt32(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        throw CoreError(ErrOverflow, "Dépassement de capacité");
    return static_cast<std::int32_t>(value);
}

std::int64_t halfToEven(std::int64_t sum)
{
    const std::int64_t floorHalf = sum >= 0 ? sum / 2 : -((-sum + 1) / 2);
    if (sum % 2 == 0)
        return floorHalf;
    return floorHalf % 2 == 0 ? floorHalf : floorHalf + 1;
}

struct Box
{
    double left, top, right, bottom;
};

Box normalisedBox(Point a, Point b)
{
    return {static_cast<double>(std::min(a.x, b.x)), static_cast<double>(std::min(a.y, b.y)),
            static_cast<double>(std::max(a.x, b.x)), static_cast<double>(std::max(a.y, b.y))};
}

// Pixels are tested at their centres, so a pixel on the right or bottom edge stays out.
bool rectangleContains(const Box &box, double px, double py)
{
    return box.left <= px && px < box.right && box.top <= py && py < box.bottom;
}

bool ellipseContains(const Box &box, double px, double py)
{
    const double a = (box.right - box.left) / 2;
    const double b = (box.bottom - box.top) / 2;
    if (a <= 0 || b <= 0)
        return false;
    const double dx = (px - (box.left + a)) / a;
    const double dy = (py - (box.top + b)) / b;
    return dx * dx + dy * dy < 1.0;
}

bool polygonContains(const std::vector<Point> &points, double px, double py)
{
    bool inside = false;
    const std::size_t n = points.size();
    for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = points[i].x, yi = points[i].y;
        const double xj = points[j].x, yj = points[j].y;
        if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

} // namespace

Circle circleFromCorners(Point topLeft, Point bottomRight)
{
    const std::int64_t cx = halfToEven(std::int64_t{topLeft.x} + bottomRight.x);
    const std::int64_t cy = halfToEven(std::int64_t{topLeft.y} + bottomRight.y);
    return {toInt32(cx), toInt32(cy), toInt32(std::llabs(cx - topLeft.x))};
}

bool regionContains(std::int16_t shape, const std::vector<Point> &points, Point pixel)
{
    const double px = pixel.x + 0.5;
    const double py = pixel.y + 0.5;
    switch (shape) {
    case ShapeRectangle:
        return points.size() >= 2 && rectangleContains(normalisedBox(points[0], points[1]), px, py);
    case ShapeCircle:
        return points.size() >= 2 && ellipseContains(normalisedBox(points[0], points[1]), px, py);
    case ShapePolygon:
        return points.size() >= 3 && polygonContains(points, px, py);
    default:
        return false;
    }
}

Bounds boundingBox(const Zone &zone)
{
    if (zone.hNCoords() == 0)
        return {};
    const Point first = zone.point(0);
    Bounds box{first.x, first.y, first.x, first.y};
    for (int i = 1; i < zone.hNCoords(); ++i) {
        const Point p = zone.point(i);
        box = {std::min<std::int64_t>(box.left, p.x), std::min<std::int64_t>(box.top, p.y),
               std::max<std::int64_t>(box.right, p.x), std::max<std::int64_t>(box.bottom, p.y)};
    }
    return box;
}

} // namespace areamaker
