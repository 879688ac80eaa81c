#include "canvas/PolygonTrace.h"

#include "canvas/CanvasModel.h"

#include <cstdlib>

namespace areamaker {

std::int16_t PolygonTrace::shape() const
{
    return ShapePolygon;
}

TraceInteraction::Texts PolygonTrace::texts() const
{
    return {"Traçage d'une région Polygone", "14"};
}

void PolygonTrace::click(Point at)
{
    CanvasState &state = mCanvas.state();
    if (state.TraceStep == 0) {
        state.TracePoints.clear();
        state.TraceZones.clear();
        addVertex(at);
        return;
    }
    const Point first = state.TracePoints[0];
    // As close on the screen at every zoom level.
    const std::int64_t near = mCanvas.view().imageSpan(CloseDistance);
    if (std::llabs(std::int64_t{at.x} - first.x) < near &&
        std::llabs(std::int64_t{at.y} - first.y) < near)
        close();
    else
        addVertex(at);
}

void PolygonTrace::addVertex(Point at)
{
    CanvasState &state = mCanvas.state();
    if (state.TraceStep > 0)
        track(at);
    state.TracePoints.push_back(at);
    state.TraceZones.push_back(outline(at, at, ShapeDottedSegment));
    ++state.TraceStep;
}

void PolygonTrace::close()
{
    const std::vector<Point> vertices = mCanvas.state().TracePoints;
    if (vertices.size() < 3)
        abandon();
    else
        complete(vertices);
}

void PolygonTrace::track(Point at)
{
    CanvasState &state = mCanvas.state();
    Zone &band = state.TraceZones[static_cast<std::size_t>(state.TraceStep - 1)];
    band.AddXCoord(at.x, 1);
    band.AddYCoord(at.y, 1);
}

} // namespace areamaker
