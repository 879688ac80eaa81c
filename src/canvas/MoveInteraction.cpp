#include "canvas/MoveInteraction.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneClamps.h"

namespace areamaker {

void MoveInteraction::move(Point at, bool leftHeld)
{
    Zone *zone = mCanvas.selectedZone();
    if (!leftHeld || !zone)
        return;
    if (!mCanvas.mayEditActiveMap()) {
        mCanvas.endDrag();
        return;
    }
    CanvasState &state = mCanvas.state();
    shiftZone(*zone, std::int64_t{at.x} - state.DragAnchor.x,
              std::int64_t{at.y} - state.DragAnchor.y);
    mCanvas.ClampMovedZone();
    // Each step follows the pointer's own motion, even where the clamp held the zone back.
    state.DragAnchor = at;
    mCanvas.markDragModified();
    mCanvas.RedrawCanvas();
}

void MoveInteraction::release(Point)
{
    mCanvas.endDrag();
}

} // namespace areamaker
