#include "canvas/ZoneOrder.h"

#include "canvas/CanvasModel.h"
#include "document/MapDocument.h"

#include <algorithm>

namespace areamaker {

bool ZoneOrder::canMove(bool toFront) const
{
    const MapDocument &document = mCanvas.document();
    const int selected = document.SelectedZoneIndex;
    if (mCanvas.state().CanvasMode != ZoneSelected || selected < 0 ||
        selected >= document.ActiveZoneCount())
        return false;
    const auto live = [](const Zone &zone) { return zone.hForme() != ShapeNone; };
    const auto at = document.ActiveZones.begin() + selected;
    return toFront ? std::any_of(document.ActiveZones.begin(), at, live)
                   : std::any_of(at + 1, document.ActiveZones.end(), live);
}

void ZoneOrder::bringToFront()
{
    moveSelected(true);
}

void ZoneOrder::sendToBack()
{
    moveSelected(false);
}

void ZoneOrder::moveSelected(bool toFront)
{
    if (!canMove(toFront))
        return;
    MapDocument &document = mCanvas.document();
    EditStep step(document, toFront ? EditKind::BringToFront : EditKind::SendToBack);
    step.touchActiveMap();
    std::vector<Zone> &zones = document.ActiveZones;
    const auto at = zones.begin() + document.SelectedZoneIndex;
    if (toFront)
        std::rotate(zones.begin(), at, at + 1);
    else
        std::rotate(at, at + 1, zones.end());
    const int index = toFront ? 0 : document.ActiveZoneCount() - 1;
    document.refreshMapNodes(document.ActiveMapIndex, document.ActiveZoneCount());
    mCanvas.selectZone(index);
    mCanvas.ports().grid->fill(GridFill::Selection);
    mCanvas.showSelectionInTree();
    mCanvas.RedrawCanvas();
}

} // namespace areamaker
