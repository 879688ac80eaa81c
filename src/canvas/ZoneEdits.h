#pragma once

#include "platform/DrawingSurface.h"
#include "platform/ImageProbe.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace areamaker {

class Zone;

// A whole number typed in the grid: blanks around it allowed, a fraction rounded half to
// even; none for any other text or one past the 32-bit range.
std::optional<std::int32_t> wholeNumber(std::string_view text);

// "x,y" split at its first comma, both parts whole numbers.
std::optional<Point> pointOf(std::string_view text);

// Edits of a zone typed in the grid, each kept inside the image.

// Moves a rectangle so that its near edge on one axis is at `edge`, keeping its size.
void placeRectangleEdge(Zone &zone, bool horizontal, std::int32_t edge, ImageSize image);
// Gives a rectangle a width (height) of |size| from its near edge, up to the image's edge.
void sizeRectangle(Zone &zone, bool horizontal, std::int32_t size, ImageSize image);
// Moves a circle's centre, keeping its radius, so that the circle lies inside the image.
void centreCircle(Zone &zone, Point centre, ImageSize image);
// Gives a circle the radius |radius| about its centre, as large as fits in the image.
void setCircleRadius(Zone &zone, std::int32_t radius, ImageSize image);
// Puts one vertex of a polygon at the point, brought into the image.
void placePolygonPoint(Zone &zone, int index, Point at, ImageSize image);

} // namespace areamaker
