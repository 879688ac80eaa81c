#include "canvas/ZoneClamps.h"

#include "document/Zone.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace areamaker {

namespace {

std::int32_t shifted(std::int32_t value, std::int64_t by)
{
    return saturated(std::int64_t{value} + by);
}

// The four box coordinates in the order they are checked: x0, y0, x1, y1.
struct BoxSlot
{
    int index;
    bool isX;
};
constexpr BoxSlot boxOrder[] = {{0, true}, {0, false}, {1, true}, {1, false}};

void shrinkCircle(Zone &zone, std::int64_t d)
{
    for (const BoxSlot &slot : boxOrder)
        setCoord(zone, slot.index, slot.isX,
                 shifted(coord(zone, slot.index, slot.isX), slot.index == 0 ? d : -d));
}

void shiftAxis(Zone &zone, int count, bool isX, std::int64_t by)
{
    for (int i = 0; i < count; ++i)
        setCoord(zone, i, isX, shifted(coord(zone, i, isX), by));
}

// Clamps one coordinate; returns how far it was outside (stored minus clamped), 0 inside.
std::int64_t overshoot(const Zone &zone, int index, bool isX, ImageSize image)
{
    std::int32_t value = coord(zone, index, isX);
    const std::int32_t stored = value;
    clampCoordinate(value, limitOf(image, isX));
    return std::int64_t{stored} - value;
}

} // namespace

std::int32_t coord(const Zone &zone, int index, bool isX)
{
    return isX ? zone.getXCoord(index) : zone.getYCoord(index);
}

void setCoord(Zone &zone, int index, bool isX, std::int32_t value)
{
    if (isX)
        zone.AddXCoord(value, index);
    else
        zone.AddYCoord(value, index);
}

std::int32_t limitOf(ImageSize image, bool isX)
{
    return isX ? image.width : image.height;
}

std::int32_t saturated(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void shiftZone(Zone &zone, std::int64_t dx, std::int64_t dy)
{
    shiftAxis(zone, zone.hNCoords(), true, dx);
    shiftAxis(zone, zone.hNCoords(), false, dy);
}

bool clampCoordinate(std::int32_t &value, std::int32_t limit)
{
    if (value < 0) {
        value = 0;
        return true;
    }
    if (value > limit) {
        value = limit;
        return true;
    }
    return false;
}

void clampResizedZone(Zone &zone, ImageSize image, int draggedVertex)
{
    const std::int16_t shape = zone.hForme();
    if (shape == ShapeRectangle) {
        for (const BoxSlot &slot : boxOrder)
            setCoord(zone, slot.index, slot.isX,
                     shifted(coord(zone, slot.index, slot.isX),
                             -overshoot(zone, slot.index, slot.isX, image)));
    } else if (shape == ShapeCircle) {
        for (const BoxSlot &slot : boxOrder) {
            const std::int64_t d = overshoot(zone, slot.index, slot.isX, image);
            if (d != 0)
                shrinkCircle(zone, std::llabs(d));
        }
    } else if (shape == ShapePolygon && draggedVertex >= 0 && draggedVertex < zone.hNCoords()) {
        for (const bool isX : {true, false})
            setCoord(zone, draggedVertex, isX,
                     shifted(coord(zone, draggedVertex, isX),
                             -overshoot(zone, draggedVertex, isX, image)));
    }
}

void clampMovedZone(Zone &zone, ImageSize image)
{
    const std::int16_t shape = zone.hForme();
    if (shape == ShapeRectangle || shape == ShapeCircle) {
        for (const BoxSlot &slot : boxOrder)
            shiftAxis(zone, 2, slot.isX, -overshoot(zone, slot.index, slot.isX, image));
    } else if (shape == ShapePolygon) {
        for (int i = 0; i < zone.hNCoords(); ++i)
            for (const bool isX : {false, true})
                shiftAxis(zone, zone.hNCoords(), isX, -overshoot(zone, i, isX, image));
    }
}

} // namespace areamaker
