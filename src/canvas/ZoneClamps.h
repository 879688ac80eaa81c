#pragma once

#include "platform/ImageProbe.h"

#include <cstdint>

namespace areamaker {

class Zone;

// One coordinate of a zone's point, on the horizontal (x) or vertical (y) axis.
std::int32_t coord(const Zone &zone, int index, bool isX);
void setCoord(Zone &zone, int index, bool isX, std::int32_t value);
// The picture's width or height, by axis.
std::int32_t limitOf(ImageSize image, bool isX);

// A coordinate computed in 64 bits, held to the 32-bit range.
std::int32_t saturated(std::int64_t value);

// Shifts every point of the zone by (dx, dy).
void shiftZone(Zone &zone, std::int64_t dx, std::int64_t dy);

// Brings a coordinate into 0..limit, the far edge included; true when it moved.
bool clampCoordinate(std::int32_t &value, std::int32_t limit);

// After a resize: a rectangle's stray corners come back to the edge, a circle shrinks about
// its centre until it fits, a polygon's dragged vertex comes back inside.
void clampResizedZone(Zone &zone, ImageSize image, int draggedVertex);

// After a move: the zone is pushed back inside whole, keeping its size; one wider than the
// picture ends on the right (bottom) edge.
void clampMovedZone(Zone &zone, ImageSize image);

} // namespace areamaker
