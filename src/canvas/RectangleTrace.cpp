#include "canvas/RectangleTrace.h"

#include "canvas/CanvasModel.h"

namespace areamaker {

std::int16_t RectangleTrace::shape() const
{
    return ShapeRectangle;
}

TraceInteraction::Texts RectangleTrace::texts() const
{
    return {"Traçage d'une région Rectangle", "12"};
}

void RectangleTrace::click(Point at)
{
    CanvasState &state = mCanvas.state();
    if (state.TraceStep == 0) {
        state.TracePoints = {at};
        state.TraceZones = {outline(at, at, ShapeRectangle)};
        state.TraceStep = 1;
        return;
    }
    complete({state.TracePoints[0], at});
}

void RectangleTrace::track(Point at)
{
    Zone &band = mCanvas.state().TraceZones[0];
    band.AddXCoord(at.x, 1);
    band.AddYCoord(at.y, 1);
}

} // namespace areamaker
