#include "canvas/SelectInteraction.h"

#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"
#include "platform/CanvasSurfaces.h"

namespace areamaker {

int SelectInteraction::handleAt(Point at) const
{
    const CanvasState &state = mCanvas.state();
    for (int i = 0; i < state.HandleCount && i < static_cast<int>(state.Handles.size()); ++i)
        if (state.Handles[static_cast<std::size_t>(i)].CheckIn(at.x, at.y) != PointerNone)
            return i;
    return -1;
}

void SelectInteraction::press(Point at)
{
    if (mCanvas.state().CanvasMode == ZoneSelected && (startResize(at) || startMove(at)))
        return;
    selectAt(at);
}

bool SelectInteraction::startResize(Point at)
{
    const int handle = handleAt(at);
    Zone *zone = mCanvas.selectedZone();
    if (handle < 0 || !zone)
        return false;
    mCanvas.beginDragStep(EditKind::Resize);
    CanvasState &state = mCanvas.state();
    state.ActiveHandleIndex = static_cast<std::int16_t>(handle);
    state.Handles[static_cast<std::size_t>(handle)].setHSelection(true);
    state.CanvasMode = Resizing;
    // Drawn as a plain outline while its shape is in flux, and out of the hit tests.
    zone->setHRegion(KindOutline);
    mCanvas.RedrawCanvas();
    return true;
}

bool SelectInteraction::startMove(Point at)
{
    const Zone *zone = mCanvas.selectedZone();
    if (!zone || zone->CheckIn(at.x, at.y) != PointerSizeAll)
        return false;
    mCanvas.beginDragStep(EditKind::Move);
    CanvasState &state = mCanvas.state();
    state.DragAnchor = at;
    state.CanvasMode = Moving;
    state.HandleCount = 0;
    mCanvas.RedrawCanvas();
    return true;
}

void SelectInteraction::selectAt(Point at)
{
    // The oldest zone under the pointer wins, although a later one is drawn over it.
    const std::vector<Zone> &zones = mCanvas.document().ActiveZones;
    int hit = -1;
    for (std::size_t i = 0; i < zones.size() && hit < 0; ++i)
        if (zones[i].CheckIn(at.x, at.y) != PointerNone)
            hit = static_cast<int>(i);
    if (hit < 0) {
        mCanvas.clearSelection();
        mCanvas.state().CanvasMode = Idle;
        mCanvas.RedrawCanvas();
        mCanvas.ports().grid->fill(GridFill::Selection);
        mCanvas.showSelectionInTree();
        return;
    }
    mCanvas.selectZone(hit);
    mCanvas.ports().grid->fill(GridFill::Selection);
    mCanvas.showSelectionInTree();
    mCanvas.RedrawCanvas();
}

void SelectInteraction::move(Point at, bool)
{
    const Zone *zone = mCanvas.selectedZone();
    if (mCanvas.state().CanvasMode != ZoneSelected || !zone)
        return;
    CanvasHost &host = mCanvas.host();
    const int handle = handleAt(at);
    if (handle >= 0) {
        host.setMousePointer(mCanvas.state().Handles[static_cast<std::size_t>(handle)].hMPointer());
        return;
    }
    const int inside = zone->CheckIn(at.x, at.y);
    if (inside != host.mousePointer())
        host.setMousePointer(inside);
}

} // namespace areamaker
