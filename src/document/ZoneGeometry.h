#pragma once

#include "platform/DrawingSurface.h"

#include <cstdint>
#include <vector>

namespace areamaker {

class Zone;

// The smallest box around a zone's points, its far sides included.
struct Bounds
{
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
};
Bounds boundingBox(const Zone &zone);

struct Circle
{
    std::int32_t cx = 0;
    std::int32_t cy = 0;
    std::int32_t r = 0;
};

// Centre rounded half to even and radius of the circle inscribed in the box of two corners.
Circle circleFromCorners(Point topLeft, Point bottomRight);

// Whether the pixel (x, y) lies in the region a shape covers: a rectangle without its right
// and bottom edges, the inside of an ellipse's box, a polygon by the even-odd rule.
bool regionContains(std::int16_t shape, const std::vector<Point> &points, Point pixel);

} // namespace areamaker
