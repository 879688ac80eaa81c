#include "canvas/ZoneRowValues.h"

#include "document/Zone.h"
#include "document/ZoneGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace areamaker {

namespace {

std::string number(std::int64_t value)
{
    return std::to_string(value);
}

std::vector<RowValue> linkRows(const Zone &zone)
{
    return {{TagHref, zone.GetData(AttrHref)},
            {TagTarget, zone.GetData(AttrTarget)},
            {TagAlt, zone.GetData(AttrAlt)},
            {TagTitle, zone.GetData(AttrTitle)}};
}

std::vector<RowValue> positionRows(const Zone &zone)
{
    const Point a = zone.point(0);
    if (zone.hForme() == ShapeRectangle) {
        const Point b = zone.point(1);
        return {{TagLeft, number(std::min(a.x, b.x))}, {TagTop, number(std::min(a.y, b.y))}};
    }
    if (zone.hForme() == ShapeCircle) {
        const Circle c = circleFromCorners(a, zone.point(1));
        return {{TagCentre, pointText(c.cx, c.cy)}};
    }
    std::vector<RowValue> rows;
    for (int k = 0; k < zone.hNCoords(); ++k)
        rows.push_back({TagFirstPoint + k, pointText(zone.getXCoord(k), zone.getYCoord(k))});
    return rows;
}

std::vector<RowValue> sizeRows(const Zone &zone)
{
    const Point a = zone.point(0);
    const Point b = zone.point(1);
    if (zone.hForme() == ShapeRectangle)
        return {{TagWidth, number(std::llabs(std::int64_t{b.x} - a.x))},
                {TagHeight, number(std::llabs(std::int64_t{b.y} - a.y))}};
    if (zone.hForme() == ShapeCircle)
        return {{TagRadius, number(circleFromCorners(a, b).r)}};
    return {};
}

} // namespace

std::string pointText(std::int32_t x, std::int32_t y)
{
    return number(x) + ',' + number(y);
}

std::vector<RowValue> zoneRowValues(const Zone &zone, ZoneRows group)
{
    const std::int16_t shape = zone.hForme();
    if (shape != ShapeRectangle && shape != ShapeCircle && shape != ShapePolygon)
        return {};
    switch (group) {
    case ZoneRows::Link:
        return linkRows(zone);
    case ZoneRows::Position:
        return positionRows(zone);
    case ZoneRows::Size:
        return sizeRows(zone);
    }
    return {};
}

} // namespace areamaker
