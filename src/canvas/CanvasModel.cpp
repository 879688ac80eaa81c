#include "canvas/CanvasModel.h"

#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "platform/CanvasSurfaces.h"
#include "shell/AppSettings.h"

namespace areamaker {

CanvasModel::CanvasModel(MapDocument &document, const AppSettings &settings,
                         CanvasSurfaces &surfaces, CanvasHost &host, const EditorPorts &ports)
    : mDocument(document), mSettings(settings), mSurfaces(surfaces), mHost(host), mPorts(ports)
{
}

bool CanvasModel::ShowImage(const std::string &path)
{
    if (path.empty()) {
        mSurfaces.clearPicture();
        mState.ImageShown = false;
        mScroll.setPicture({});
        mHost.layOut();
        mState.CanvasMode = NoPicture;
        mPorts.commands->setToolbarState(ToolbarState::NoPicture);
        mHost.repaintWorkspace();
        return false;
    }
    if (!mSurfaces.loadPicture(path))
        return false;
    mScroll.setPicture(mSurfaces.pictureSize());
    mState.ImageShown = true;
    mHost.layOut();
    RedrawCanvas();
    mHost.repaintWorkspace();
    return true;
}

void CanvasModel::clearSelection()
{
    for (Zone &zone : mDocument.ActiveZones)
        zone.setHSelection(false);
    mDocument.SelectedZoneIndex = -1;
    mState.HandleCount = 0;
    mState.ActiveHandleIndex = -1;
}

void CanvasModel::DeleteSelectedZone(bool ask)
{
    const int selected = mDocument.SelectedZoneIndex;
    if (mState.CanvasMode != ZoneSelected || selected < 0 ||
        selected >= mDocument.ActiveZoneCount())
        return;
    if (ask &&
        mPorts.messages->show({"Désirez-vous supprimer la région sélectionnée ?", "Confirmation",
                               MessageButtons::YesNo, MessageIcon::Question}) != MessageAnswer::Yes)
        return;
    mDocument.ActiveZones[static_cast<std::size_t>(selected)].SupprimerRegion();
    mPorts.tree->removeNode(zoneKey(mDocument.ActiveMapIndex, selected));
    clearSelection();
    mState.CanvasMode = Idle;
    mPorts.grid->fill(GridFill::Selection);
    if (mDocument.ActiveMapIndex != -1)
        mDocument.markMapModified(mDocument.ActiveMapIndex);
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
    mSurfaces.backBuffer().copyBlock(mSurfaces.picture(), origin, origin, block.width,
                                     block.height);
    const ZoneColours colours = mSettings.zoneColours();
    for (Zone &zone : mDocument.ActiveZones)
        zone.Afficher(colours);
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
    const std::int32_t limit = horizontal ? size.width : size.height;
    if (value < 0) {
        value = 0;
        return true;
    }
    if (value > limit) {
        value = limit;
        return true;
    }
    return false;
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

} // namespace areamaker
