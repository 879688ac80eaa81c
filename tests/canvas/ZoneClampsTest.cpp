#include "canvas/ZoneClamps.h"

#include "ZonePoints.h"
#include "document/Zone.h"

#include <gtest/gtest.h>

namespace areamaker {
namespace {

Zone zoneOf(ZoneShape shape, std::vector<Point> points)
{
    Zone zone;
    zone.setHRegion(KindRegion);
    zone.setHForme(shape);
    for (std::size_t i = 0; i < points.size(); ++i) {
        zone.AddXCoord(points[i].x, static_cast<int>(i));
        zone.AddYCoord(points[i].y, static_cast<int>(i));
    }
    return zone;
}

using testing::pointsOf;

constexpr ImageSize picture{200, 100};

TEST(ZoneClampsTest, MovedZonesKeepTheirSizeAndComeBackInside)
{
    struct Case
    {
        ZoneShape shape;
        std::vector<Point> before, after;
    };
    const Case cases[] = {
        {ShapeRectangle, {{-20, 10}, {30, 40}}, {{0, 10}, {50, 40}}},
        {ShapeRectangle, {{180, 90}, {230, 120}}, {{150, 70}, {200, 100}}},
        // Wider than the picture: the right edge wins because x1 is checked last.
        {ShapeRectangle, {{-10, 0}, {250, 20}}, {{-60, 0}, {200, 20}}},
        {ShapeCircle, {{-5, -5}, {15, 15}}, {{0, 0}, {20, 20}}},
        {ShapePolygon, {{-10, 50}, {20, 120}, {40, 60}}, {{0, 30}, {30, 100}, {50, 40}}},
        {ShapeRectangle, {{10, 10}, {20, 20}}, {{10, 10}, {20, 20}}},
    };
    for (const Case &c : cases) {
        Zone zone = zoneOf(c.shape, c.before);
        clampMovedZone(zone, picture);
        EXPECT_EQ(pointsOf(zone), c.after) << "shape " << c.shape << " from x0 " << c.before[0].x;
    }
}

TEST(ZoneClampsTest, ResizedZonesClampCornersShrinkCirclesAndOnlyTheDraggedVertex)
{
    struct Case
    {
        ZoneShape shape;
        int dragged;
        std::vector<Point> before, after;
    };
    const Case cases[] = {
        {ShapeRectangle, 2, {{250, 10}, {-4, 130}}, {{200, 10}, {0, 100}}},
        // About its centre: (50,40) radius 50 crosses the top by 10, so it loses 10.
        {ShapeCircle, 0, {{0, -10}, {100, 90}}, {{10, 0}, {90, 80}}},
        {ShapeCircle, 1, {{150, 20}, {230, 100}}, {{180, 50}, {200, 70}}},
        {ShapePolygon, 1, {{-5, -5}, {300, 150}, {10, 10}}, {{-5, -5}, {200, 100}, {10, 10}}},
    };
    for (const Case &c : cases) {
        Zone zone = zoneOf(c.shape, c.before);
        clampResizedZone(zone, picture, c.dragged);
        EXPECT_EQ(pointsOf(zone), c.after) << "shape " << c.shape << " handle " << c.dragged;
    }
}

} // namespace
} // namespace areamaker
