#include "canvas/CircleTrace.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneClamps.h"

#include <cmath>

namespace areamaker {

std::int16_t CircleTrace::shape() const
{
    return ShapeCircle;
}

TraceInteraction::Texts CircleTrace::texts() const
{
    return {"Traçage d'une région Cercle", "13"};
}

std::int64_t CircleTrace::radius(Point centre, Point at)
{
    const auto dx = static_cast<double>(std::int64_t{at.x} - centre.x);
    const auto dy = static_cast<double>(std::int64_t{at.y} - centre.y);
    // The default rounding mode sends halves to the even neighbour.
    return static_cast<std::int64_t>(std::nearbyint(std::sqrt(dx * dx + dy * dy)));
}

std::vector<Point> CircleTrace::box(Point at) const
{
    const Point c = mCanvas.state().TracePoints[0];
    const std::int64_t r = radius(c, at);
    return {{saturated(c.x - r), saturated(c.y - r)}, {saturated(c.x + r), saturated(c.y + r)}};
}

void CircleTrace::click(Point at)
{
    CanvasState &state = mCanvas.state();
    if (state.TraceStep == 0) {
        const Point c = at;
        // The cross keeps its size on the screen at every zoom level.
        const std::int64_t arm = mCanvas.view().imageSpan(6);
        const std::int64_t longArm = mCanvas.view().imageSpan(7);
        state.TracePoints = {c};
        state.TraceZones = {
            outline({saturated(c.x - arm), c.y}, {saturated(c.x + longArm), c.y},
                    ShapeSolidSegment),
            outline({c.x, saturated(c.y + arm)}, {c.x, saturated(c.y - arm)}, ShapeSolidSegment),
            outline(c, c, ShapeCircle)};
        state.TraceStep = CentrePlaced;
        return;
    }
    complete(box(at));
}

void CircleTrace::track(Point at)
{
    const std::vector<Point> corners = box(at);
    Zone &band = mCanvas.state().TraceZones[2];
    for (int i = 0; i < 2; ++i) {
        band.AddXCoord(corners[static_cast<std::size_t>(i)].x, i);
        band.AddYCoord(corners[static_cast<std::size_t>(i)].y, i);
    }
}

} // namespace areamaker
