#include "canvas/CanvasClipboard.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneClamps.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"

namespace areamaker {

bool CanvasClipboard::holdsZone() const
{
    return mCanvas.state().ClipboardZone.hForme() != ShapeNone;
}

bool CanvasClipboard::zoneSelected() const
{
    return mCanvas.state().CanvasMode == ZoneSelected && mCanvas.document().SelectedZoneIndex != -1;
}

void CanvasClipboard::CopyZone()
{
    const Zone *zone = mCanvas.selectedZone();
    if (!zoneSelected() || !zone)
        return;
    CanvasState &state = mCanvas.state();
    state.ClipboardZone.Acquire(*zone);
    mEncoding = mCanvas.document().Encoding;
    // A polygon has no corner of its own to paste at: it keeps its place relative to the
    // right click that preceded the copy.
    state.ClipboardAnchor = zone->hForme() == ShapePolygon ? state.ContextPoint : zone->point(0);
}

void CanvasClipboard::CutZone()
{
    if (!zoneSelected())
        return;
    EditStep step(mCanvas.document(), EditKind::Cut);
    CopyZone();
    mCanvas.DeleteSelectedZone(false);
}

void CanvasClipboard::PasteZone()
{
    MapDocument &document = mCanvas.document();
    CanvasState &state = mCanvas.state();
    // Only between operations, and onto a picture: its edges hold the pasted zone.
    const int mode = state.CanvasMode;
    if (!holdsZone() || document.ActiveMapIndex == -1 || (mode != Idle && mode != ZoneSelected) ||
        !mCanvas.roomForAnotherZone() || !mCanvas.mayEditActiveMap())
        return;
    EditStep step(document, EditKind::Paste);
    step.touchActiveMap();
    Zone &pasted = document.ActiveZones.emplace_back();
    pasted.Acquire(state.ClipboardZone, &mCanvas.backBuffer());
    // A zone copied from another page carries that page's bytes.
    for (int i = AttrHref; i <= AttrOnMouseOut; ++i)
        pasted.SetData(i, document.Encoding.encode(mEncoding.decode(pasted.GetData(i))));
    const int index = document.ActiveZoneCount() - 1;
    mCanvas.selectZone(index);
    shiftZone(pasted, std::int64_t{state.ContextPoint.x} - state.ClipboardAnchor.x,
              std::int64_t{state.ContextPoint.y} - state.ClipboardAnchor.y);
    mCanvas.ClampMovedZone();
    mCanvas.BuildHandles();
    const EditorPorts &ports = mCanvas.ports();
    ports.tree->addNode(
        mapKey(document.ActiveMapIndex), zoneKey(document.ActiveMapIndex, index),
        zoneNodeText(pasted.hForme(), document.Encoding.decode(pasted.GetData(AttrHref))),
        ZoneNodeImage);
    ports.grid->fill(GridFill::Selection);
    mCanvas.RedrawCanvas();
}

} // namespace areamaker
