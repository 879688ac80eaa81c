#include "canvas/CanvasModel.h"

#include "canvas/ZoneClamps.h"
#include "document/ZoneGeometry.h"

#include "document/MapDocument.h"
#include "document/MapEditGuard.h"
#include "document/TreeKeys.h"
#include "platform/CanvasSurfaces.h"
#include "shell/AppSettings.h"

#include <algorithm>
#include <cmath>

namespace areamaker {

CanvasModel::CanvasModel(MapDocument &document, const AppSettings &settings,
                         CanvasSurfaces &surfaces, CanvasHost &host, const EditorPorts &ports)
    : mDocument(document), mSettings(settings), mSurfaces(surfaces), mHost(host), mPorts(ports),
      mZoomed(surfaces.backBuffer(), mView)
{
}

bool CanvasModel::ShowImage(const std::string &path)
{
    if (path.empty()) {
        // A tracing or a drag has nothing left to act on.
        mState.TraceStep = 0;
        mState.TraceZones.clear();
        mSurfaces.clearPicture();
        mState.ImageShown = false;
        mScroll.setPicture({});
        mPorts.status->setPanelText("ZOOM", "");
        mHost.layOut();
        mState.CanvasMode = NoPicture;
        mPorts.commands->setToolbarState(ToolbarState::NoPicture);
        mHost.repaintWorkspace();
        return false;
    }
    if (!mSurfaces.loadPicture(path))
        return false;
    mScroll.setPicture(viewSize());
    mState.ImageShown = true;
    showZoomLevel();
    mHost.layOut();
    RedrawCanvas();
    mHost.repaintWorkspace();
    return true;
}

bool CanvasModel::moveActiveMapToPicture(const std::string &path)
{
    ImageMap *map = mDocument.activeMap();
    if (!map || !ShowImage(path))
        return false;
    EditStep step(mDocument, EditKind::NewPicture);
    step.touchActiveMap();
    const ImageSize image = mSurfaces.pictureSize();
    map->ImagePath = path;
    map->ImageWidth = image.width;
    map->ImageHeight = image.height;
    for (Zone &zone : mDocument.ActiveZones) {
        zone.setHDevice(&mZoomed);
        clampMovedZone(zone, image);
    }
    clearSelection();
    mState.CanvasMode = Idle;
    RedrawCanvas();
    return true;
}

void CanvasModel::clearSelection()
{
    for (Zone &zone : mDocument.ActiveZones)
        zone.setHSelection(false);
    mDocument.SelectedZoneIndex = -1;
    mState.ActiveHandleIndex = -1;
    mState.HandleCount = 0;
    mHost.setMousePointer(PointerNone);
    mState.Handles.clear();
}

void CanvasModel::selectZone(int index)
{
    clearSelection();
    mDocument.ActiveZones.at(static_cast<std::size_t>(index)).setHSelection(true);
    mDocument.SelectedZoneIndex = static_cast<std::int16_t>(index);
    mState.CanvasMode = ZoneSelected;
    BuildHandles();
}

void CanvasModel::showSelectionInTree()
{
    const int map = mDocument.ActiveMapIndex;
    if (map < 0)
        return;
    const int zone = mDocument.SelectedZoneIndex;
    mPorts.tree->selectNode(zone >= 0 ? zoneKey(map, zone) : mapKey(map));
}

void CanvasModel::scrollToSelectedZone()
{
    const Zone *zone = selectedZone();
    if (!zone || zone->hNCoords() == 0)
        return;
    const Bounds box = boundingBox(*zone);
    const auto shown = [this](std::int64_t coordinate) {
        return mView.toView(saturated(coordinate));
    };
    mHost.scrollTo(mScroll.stepShowing(false, shown(box.left), shown(box.right)),
                   mScroll.stepShowing(true, shown(box.top), shown(box.bottom)));
}

Zone *CanvasModel::selectedZone()
{
    const int index = mDocument.SelectedZoneIndex;
    if (index < 0 || index >= mDocument.ActiveZoneCount())
        return nullptr;
    return &mDocument.ActiveZones[static_cast<std::size_t>(index)];
}

namespace {

struct HandleSpot
{
    Point at;
    std::int32_t pointer;
};

std::vector<HandleSpot> handleSpots(const Zone &zone)
{
    if (zone.hForme() == ShapePolygon) {
        std::vector<HandleSpot> spots;
        for (int i = 0; i < zone.hNCoords(); ++i)
            spots.push_back({zone.point(i), PointerCustom});
        return spots;
    }
    const Point a = zone.point(0);
    const Point b = zone.point(1);
    if (zone.hForme() == ShapeCircle) {
        const Circle c = circleFromCorners(a, b);
        return {{{c.cx, a.y}, PointerSizeNS},
                {{b.x, c.cy}, PointerSizeWE},
                {{c.cx, b.y}, PointerSizeNS},
                {{a.x, c.cy}, PointerSizeWE}};
    }
    return {{a, PointerSizeNWSE},
            {{b.x, a.y}, PointerSizeNESW},
            {b, PointerSizeNWSE},
            {{a.x, b.y}, PointerSizeNESW}};
}

} // namespace

void CanvasModel::BuildHandles()
{
    const Zone *zone = selectedZone();
    if (!zone)
        return;
    const std::vector<HandleSpot> spots = handleSpots(*zone);
    mState.ActiveHandleIndex = -1;
    mState.Handles.assign(spots.size(), Zone{});
    for (std::size_t i = 0; i < spots.size(); ++i) {
        Zone &handle = mState.Handles[i];
        handle.setHRegion(KindHandle);
        handle.setHDevice(&mZoomed);
        handle.setHandleReach(mView.imageSpan(HandleReach));
        handle.AddXCoord(spots[i].at.x, 0);
        handle.AddYCoord(spots[i].at.y, 0);
        handle.setHMPointer(spots[i].pointer);
    }
    mState.HandleCount = static_cast<std::int16_t>(spots.size());
}

void CanvasModel::placeHandles()
{
    const Zone *zone = selectedZone();
    if (!zone)
        return;
    const std::vector<HandleSpot> spots = handleSpots(*zone);
    for (std::size_t i = 0; i < spots.size() && i < mState.Handles.size(); ++i) {
        mState.Handles[i].AddXCoord(spots[i].at.x, 0);
        mState.Handles[i].AddYCoord(spots[i].at.y, 0);
    }
}

void CanvasModel::ClampResizedZone()
{
    if (Zone *zone = selectedZone())
        clampResizedZone(*zone, mSurfaces.pictureSize(), mState.ActiveHandleIndex);
    RefreshZoneRows(ZoneRows::Size);
    RefreshZoneRows(ZoneRows::Position);
}

void CanvasModel::ClampMovedZone()
{
    if (Zone *zone = selectedZone())
        clampMovedZone(*zone, mSurfaces.pictureSize());
    RefreshZoneRows(ZoneRows::Position);
}

void CanvasModel::RefreshZoneRows(ZoneRows group)
{
    const Zone *zone = selectedZone();
    if (!zone)
        return;
    for (const RowValue &row : zoneRowValues(*zone, group))
        mPorts.grid->setRowValue(row.tag, row.value);
}

bool CanvasModel::roomForAnotherZone()
{
    if (mDocument.ActiveZoneCount() < MapDocument::MaxCount)
        return true;
    mPorts.messages->show({"Une image map ne peut contenir plus de 32 767 zones.", "Erreur",
                           MessageButtons::Ok, MessageIcon::Exclamation});
    return false;
}

void CanvasModel::beginDragStep(EditKind kind)
{
    mDragStep.reset();
    mDragStep.emplace(mDocument, kind);
    mDragStep->recordActiveMap();
}

bool CanvasModel::mayEditActiveMap()
{
    return MapEditGuard::allows(mDocument, mDocument.ActiveMapIndex, *mPorts.messages);
}

void CanvasModel::endDrag()
{
    mState.CanvasMode = ZoneSelected;
    if (Zone *zone = selectedZone())
        zone->setHRegion(KindRegion);
    BuildHandles();
    RedrawCanvas();
    endDragStep();
}

void CanvasModel::endDragStep()
{
    mDragStep.reset();
}

void CanvasModel::markDragModified()
{
    if (mDragStep)
        mDragStep->touchActiveMap();
}

ImageSize CanvasModel::pictureSize() const
{
    return mSurfaces.pictureSize();
}

void CanvasModel::DeleteSelectedZone(bool ask)
{
    const int selected = mDocument.SelectedZoneIndex;
    if (mState.CanvasMode != ZoneSelected || selected < 0 ||
        selected >= mDocument.ActiveZoneCount() || !mayEditActiveMap())
        return;
    if (ask &&
        mPorts.messages->show({"Désirez-vous supprimer la région sélectionnée ?", "Confirmation",
                               MessageButtons::YesNo, MessageIcon::Question}) != MessageAnswer::Yes)
        return;
    EditStep step(mDocument, EditKind::DeleteZone);
    step.touchActiveMap();
    mDocument.ActiveZones[static_cast<std::size_t>(selected)].SupprimerRegion();
    mPorts.tree->removeNode(zoneKey(mDocument.ActiveMapIndex, selected));
    clearSelection();
    mState.CanvasMode = Idle;
    mPorts.grid->fill(GridFill::Selection);
    showSelectionInTree();
    RedrawCanvas();
}

void CanvasModel::startDisplayTimer()
{
    mHost.startRedrawTimer();
}

void CanvasModel::RedrawCanvas()
{
    if (!mState.ImageShown)
        return;
    const Point origin{mScroll.offsetX(), mScroll.offsetY()};
    const ImageSize block = mScroll.workspace();
    mSurfaces.placeView(origin, block);
    mSurfaces.backBuffer().drawScaled(mSurfaces.picture(), viewSize(), origin, block.width,
                                      block.height);
    const ZoneColours colours = mSettings.zoneColours();
    // Zones out of sight are not painted, but their hit regions follow them all the same.
    const Point from = mView.toImage(origin.x, origin.y);
    const Point end = mView.toImage(origin.x + block.width, origin.y + block.height);
    const std::int32_t margin = mView.imageSpan(std::max(colours.LinPtDef, colours.LinPtSel)) + 1;
    for (Zone &zone : mDocument.ActiveZones) {
        if (zone.meetsBox(from, {end.x + 1, end.y + 1}, margin))
            zone.Afficher(colours);
        else
            zone.refreshRegion();
    }
    for (int i = 0; i < mState.HandleCount && i < static_cast<int>(mState.Handles.size()); ++i)
        mState.Handles[static_cast<std::size_t>(i)].Afficher(colours);
    for (int i = 0; i < mState.TraceStep && i < static_cast<int>(mState.TraceZones.size()); ++i)
        mState.TraceZones[static_cast<std::size_t>(i)].Afficher(colours);
    mSurfaces.visible().copyBlock(mSurfaces.backBuffer(), origin, origin, block.width,
                                  block.height);
}

bool CanvasModel::ClampToImage(std::int32_t &value, bool horizontal) const
{
    const ImageSize size = mSurfaces.pictureSize();
    return clampCoordinate(value, horizontal ? size.width : size.height);
}

void CanvasModel::setWorkspace(ImageSize workspace, int horizontalBarHeight, int verticalBarWidth)
{
    mScroll.setWorkspace(workspace, horizontalBarHeight, verticalBarWidth);
}

ScrollModel::Layout CanvasModel::layOutScrollBars()
{
    ScrollModel::Layout layout = mScroll.layOut();
    if (layout.verticalChanged)
        layout.vertical = scrolled(true, layout.vertical.value);
    if (layout.horizontalChanged)
        layout.horizontal = scrolled(false, layout.horizontal.value);
    mState.VScrollMax = static_cast<std::int16_t>(layout.vertical.maximum);
    mState.HScrollMax = static_cast<std::int16_t>(layout.horizontal.maximum);
    return layout;
}

ScrollBarState CanvasModel::scrolled(bool vertical, int value)
{
    const ScrollBarState bar = mScroll.scrolled(vertical, value);
    mHost.startRedrawTimer();
    return bar;
}

Point CanvasModel::picturePosition() const
{
    return {-mScroll.offsetX(), -mScroll.offsetY()};
}

ImageSize CanvasModel::viewSize() const
{
    return mView.viewSize(mSurfaces.pictureSize());
}

void CanvasModel::zoomTo(double scale, Point anchor)
{
    const int mode = mState.CanvasMode;
    if (!mState.ImageShown || mode == Resizing || mode == Moving)
        return;
    const ImageSize picture = mSurfaces.pictureSize();
    // The scroll bars count 16-bit steps of 20 pixels: the view stays within their reach.
    const int longest = std::max({picture.width, picture.height, 1});
    const double before = mView.scale();
    const double x = (mScroll.offsetX() + anchor.x) / before;
    const double y = (mScroll.offsetY() + anchor.y) / before;
    if (!mView.setScale(std::min(scale, MaxViewSide / longest)))
        return;
    mScroll.setPicture(viewSize());
    if (mode == ZoneSelected)
        BuildHandles();
    mHost.layOut();
    const auto step = [](double offset) {
        return std::max(0, static_cast<int>(std::lround(offset / ScrollModel::Step)));
    };
    mHost.scrollTo(step(x * mView.scale() - anchor.x), step(y * mView.scale() - anchor.y));
    showZoomLevel();
    RedrawCanvas();
}

void CanvasModel::showZoomLevel()
{
    mPorts.status->setPanelText("ZOOM", mView.levelText());
}

} // namespace areamaker
