#include "canvas/TraceInteraction.h"

#include "canvas/CanvasModel.h"
#include "canvas/ZoneRowValues.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "platform/CanvasSurfaces.h"
#include "shell/AppSettings.h"

namespace areamaker {

namespace {

constexpr const char *SelectionTool = "11";
constexpr const char *Ready = "Prêt";

} // namespace

void TraceInteraction::begin()
{
    CanvasState &state = mCanvas.state();
    if ((state.CanvasMode != Idle && state.CanvasMode != ZoneSelected) ||
        !mCanvas.mayEditActiveMap())
        return;
    mCanvas.clearSelection();
    state.TraceStep = 0;
    state.TraceShape = shape();
    state.CanvasMode = Tracing;
    mCanvas.host().setMousePointer(PointerCross);
    const EditorPorts &ports = mCanvas.ports();
    ports.grid->fill(GridFill::Tracing);
    ports.commands->pressToolButton(texts().toolKey);
    ports.status->setPanelText("ETAT", texts().status);
    mCanvas.RedrawCanvas();
}

void TraceInteraction::abandon()
{
    CanvasState &state = mCanvas.state();
    mPressedAt.reset();
    mDragging = false;
    state.TraceStep = 0;
    state.TraceZones.clear();
    state.CanvasMode = Idle;
    mCanvas.host().setMousePointer(PointerNone);
    const EditorPorts &ports = mCanvas.ports();
    ports.commands->pressToolButton(SelectionTool);
    ports.grid->fill(GridFill::Selection);
    ports.status->setPanelText("ETAT", Ready);
}

void TraceInteraction::press(Point at)
{
    if (tracesByDragging() && mCanvas.state().TraceStep == 0)
        mPressedAt = at;
}

void TraceInteraction::move(Point at, bool leftHeld)
{
    mCanvas.ports().grid->setRowValue(TagCursor, pointText(at.x, at.y));
    if (mPressedAt && leftHeld && !mDragging && at != *mPressedAt) {
        mDragging = true;
        click(*mPressedAt);
    }
    if (mCanvas.state().TraceStep == 0)
        return;
    track(at);
    mCanvas.RedrawCanvas();
}

void TraceInteraction::release(Point at)
{
    if (mDragging)
        endDrag(at);
    else
        click(at);
    mPressedAt.reset();
    mCanvas.RedrawCanvas();
}

void TraceInteraction::endDrag(Point at)
{
    mDragging = false;
    if (at != *mPressedAt)
        click(at);
}

Zone TraceInteraction::makeZone(std::int16_t kind, std::int16_t shape,
                                const std::vector<Point> &points)
{
    Zone zone;
    zone.setHRegion(kind);
    zone.setHDevice(&mCanvas.backBuffer());
    zone.setHForme(shape);
    for (std::size_t i = 0; i < points.size(); ++i) {
        zone.AddXCoord(points[i].x, static_cast<int>(i));
        zone.AddYCoord(points[i].y, static_cast<int>(i));
    }
    return zone;
}

Zone TraceInteraction::outline(Point a, Point b, std::int16_t shape)
{
    return makeZone(KindOutline, shape, {a, b});
}

bool TraceInteraction::roomForZone()
{
    if (mCanvas.roomForAnotherZone())
        return true;
    abandon();
    return false;
}

void TraceInteraction::complete(const std::vector<Point> &points)
{
    if (!roomForZone())
        return;
    MapDocument &document = mCanvas.document();
    EditStep step(document, EditKind::Trace);
    step.touchActiveMap();
    Zone &zone = document.ActiveZones.emplace_back(makeZone(KindRegion, shape(), points));
    zone.setHSelection(true);
    CanvasState &state = mCanvas.state();
    state.TraceStep = 0;
    state.CanvasMode = ZoneSelected;
    document.SelectedZoneIndex = static_cast<std::int16_t>(document.ActiveZoneCount() - 1);
    mCanvas.host().setMousePointer(PointerNone);
    if (shape() == ShapeCircle)
        mCanvas.ClampResizedZone();
    mCanvas.BuildHandles();
    announceNewZone(document.SelectedZoneIndex);
}

void TraceInteraction::announceNewZone(int index)
{
    MapDocument &document = mCanvas.document();
    const EditorPorts &ports = mCanvas.ports();
    const int map = document.ActiveMapIndex;
    if (map != -1)
        ports.tree->addNode(mapKey(map), zoneKey(map, index),
                            zoneNodeText(shape(), document.ActiveZones.back().GetData(AttrHref)),
                            ZoneNodeImage);
    ports.commands->pressToolButton(SelectionTool);
    ports.grid->fill(GridFill::Selection);
    mCanvas.showSelectionInTree();
    ports.status->setPanelText("ETAT", Ready);
    if (mCanvas.settings().AutoProp) {
        mCanvas.host().setPictureEnabled(false);
        mCanvas.host().startAutoPropTimer();
    }
}

} // namespace areamaker
