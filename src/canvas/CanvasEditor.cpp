#include "canvas/CanvasEditor.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneClamps.h"
#include "document/MapDocument.h"
#include "document/ZoneGeometry.h"
#include "platform/CanvasSurfaces.h"

namespace areamaker {

CanvasEditor::CanvasEditor(CanvasModel &canvas)
    : mCanvas(canvas), mRectangle(canvas), mCircle(canvas), mPolygon(canvas), mSelect(canvas),
      mMove(canvas), mResize(canvas)
{
}

TraceInteraction *CanvasEditor::tracer(int shape)
{
    switch (shape) {
    case ShapeRectangle:
        return &mRectangle;
    case ShapeCircle:
        return &mCircle;
    case ShapePolygon:
        return &mPolygon;
    default:
        return nullptr;
    }
}

CanvasInteraction *CanvasEditor::current()
{
    switch (mCanvas.state().CanvasMode) {
    case Idle:
    case ZoneSelected:
        return &mSelect;
    case Tracing:
        return tracer(mCanvas.state().TraceShape);
    case Resizing:
        return &mResize;
    case Moving:
        return &mMove;
    default:
        return nullptr;
    }
}

void CanvasEditor::BeginTrace(int shape)
{
    if (TraceInteraction *trace = tracer(shape))
        trace->begin();
}

void CanvasEditor::CancelTrace()
{
    if (mCanvas.state().CanvasMode != Tracing)
        return;
    if (TraceInteraction *trace = tracer(mCanvas.state().TraceShape))
        trace->abandon();
    mCanvas.RedrawCanvas();
}

void CanvasEditor::leftPress(Point at)
{
    mCanvas.document().history().endBurst();
    if (CanvasInteraction *interaction = current())
        interaction->press(at);
}

void CanvasEditor::mouseMove(Point at, bool leftHeld)
{
    if (CanvasInteraction *interaction = current())
        interaction->move(at, leftHeld);
    showPointer(at);
}

void CanvasEditor::leftRelease(Point at)
{
    if (CanvasInteraction *interaction = current())
        interaction->release(at);
    showPointer(at);
}

void CanvasEditor::pointerLeft()
{
    mCanvas.ports().status->setPanelText("POS", "");
}

void CanvasEditor::showPointer(Point at)
{
    StatusBarPort &status = *mCanvas.ports().status;
    status.setPanelText("POS", std::to_string(at.x) + ", " + std::to_string(at.y));
    const int mode = mCanvas.state().CanvasMode;
    const Zone *zone = mCanvas.selectedZone();
    std::string size;
    if ((mode == Moving || mode == Resizing) && zone && zone->hNCoords() > 0) {
        const Bounds box = boundingBox(*zone);
        size = std::to_string(box.right - box.left) + " × " + std::to_string(box.bottom - box.top);
    }
    status.setPanelText("TAILLE", size);
}

bool CanvasEditor::keyDown(int key, bool textBoxFocused)
{
    mCanvas.document().history().endBurst();
    switch (key) {
    case KeyTab:
        SelectNextZone();
        return true;
    case KeyEscape:
        if (mCanvas.state().CanvasMode != Tracing)
            return false;
        CancelTrace();
        return true;
    case KeyDelete:
        if (textBoxFocused)
            return false;
        mCanvas.DeleteSelectedZone(true);
        return true;
    default:
        return false;
    }
}

void CanvasEditor::nudge(int dx, int dy)
{
    Zone *zone = mCanvas.selectedZone();
    if (mCanvas.state().CanvasMode != ZoneSelected || !zone)
        return;
    EditStep step(mCanvas.document(), EditKind::Nudge);
    step.touchActiveMap();
    shiftZone(*zone, dx, dy);
    mCanvas.ClampMovedZone();
    mCanvas.placeHandles();
    mCanvas.RedrawCanvas();
}

void CanvasEditor::SelectNextZone()
{
    // Only between operations: a Tab in the middle of a trace, move or resize would leave
    // its outlines and the dragged zone's state behind.
    const int mode = mCanvas.state().CanvasMode;
    if (mode != Idle && mode != ZoneSelected)
        return;
    const MapDocument &document = mCanvas.document();
    const int count = document.ActiveZoneCount();
    if (count == 0)
        return;
    int start = document.SelectedZoneIndex != -1 ? document.SelectedZoneIndex + 1 : 0;
    if (start >= count)
        start = 0;
    int found = -1;
    for (int step = 0; step < count && found < 0; ++step) {
        const int i = (start + step) % count;
        if (document.ActiveZones[static_cast<std::size_t>(i)].hForme() != ShapeNone)
            found = i;
    }
    if (found == -1 || found == document.SelectedZoneIndex)
        return;
    mCanvas.selectZone(found);
    mCanvas.ports().grid->fill(GridFill::Selection);
    mCanvas.showSelectionInTree();
    mCanvas.scrollToSelectedZone();
    mCanvas.RedrawCanvas();
}

} // namespace areamaker
