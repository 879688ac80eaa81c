#include "canvas/ResizeInteraction.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneClamps.h"

namespace areamaker {

namespace {

void setPoint(Zone &zone, int index, Point at)
{
    zone.AddXCoord(at.x, index);
    zone.AddYCoord(at.y, index);
}

} // namespace

void ResizeInteraction::move(Point at, bool leftHeld)
{
    Zone *zone = mCanvas.selectedZone();
    const int handle = mCanvas.state().ActiveHandleIndex;
    if (!leftHeld || !zone || handle < 0)
        return;
    if (!mCanvas.mayEditActiveMap()) {
        mCanvas.endDrag();
        return;
    }
    if (zone->hForme() == ShapeRectangle)
        resizeRectangle(*zone, handle, at);
    else if (zone->hForme() == ShapeCircle)
        resizeCircle(*zone, handle, at);
    else if (zone->hForme() == ShapePolygon)
        resizePolygon(*zone, handle, at);
    mCanvas.placeHandles();
    mCanvas.markDragModified();
    mCanvas.RedrawCanvas();
}

void ResizeInteraction::resizeRectangle(Zone &zone, int handle, Point at)
{
    // Handles 0 to 3 go round from the first corner; corners are never reordered.
    const bool movesX0 = handle == 0 || handle == 3;
    const bool movesY0 = handle == 0 || handle == 1;
    zone.AddXCoord(at.x, movesX0 ? 0 : 1);
    zone.AddYCoord(at.y, movesY0 ? 0 : 1);
    if (handle != 2)
        mCanvas.RefreshZoneRows(ZoneRows::Position);
    mCanvas.RefreshZoneRows(ZoneRows::Size);
}

void ResizeInteraction::resizeCircle(Zone &zone, int handle, Point at)
{
    const Point a = zone.point(0);
    const Point b = zone.point(1);
    const std::int64_t grow[] = {std::int64_t{a.y} - at.y, std::int64_t{at.x} - b.x,
                                 std::int64_t{at.y} - b.y, std::int64_t{a.x} - at.x};
    const std::int64_t d = grow[handle];
    setPoint(zone, 0, {saturated(a.x - d), saturated(a.y - d)});
    setPoint(zone, 1, {saturated(b.x + d), saturated(b.y + d)});
    mCanvas.RefreshZoneRows(ZoneRows::Size);
}

void ResizeInteraction::resizePolygon(Zone &zone, int handle, Point at)
{
    setPoint(zone, handle, at);
    mCanvas.RefreshZoneRows(ZoneRows::Position);
}

void ResizeInteraction::release(Point)
{
    mCanvas.ClampResizedZone();
    mCanvas.endDrag();
}

} // namespace areamaker
