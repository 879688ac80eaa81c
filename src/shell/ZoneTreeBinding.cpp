#include "shell/ZoneTreeBinding.h"

#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "document/TreeKeys.h"
#include "shell/PropertiesCommand.h"

namespace areamaker {

ZoneTreeBinding::ZoneTreeBinding(MapDocument &document, CanvasModel &canvas, CanvasEditor &editor,
                                 DocumentLifecycle &lifecycle)
    : mDocument(document), mCanvas(canvas), mEditor(editor), mLifecycle(lifecycle)
{
}

void ZoneTreeBinding::nodeClicked(const std::string &key)
{
    // The tree may have had the focus since before the tracing began.
    mEditor.CancelTrace();
    const TreeKey node = decodeTreeKey(key);
    if (node.kind == TreeKey::Kind::None || node.mapIndex >= mDocument.MapCount())
        return;
    if (node.kind == TreeKey::Kind::Map) {
        // Activation leaves an active map as it is; its node still shows the map itself.
        if (node.mapIndex == mDocument.ActiveMapIndex)
            clearZoneSelection();
        else
            mLifecycle.ActivateMap(node.mapIndex, false);
        return;
    }
    if (node.mapIndex != mDocument.ActiveMapIndex && !mLifecycle.ActivateMap(node.mapIndex, false))
        return;
    if (node.kind == TreeKey::Kind::DefaultRegion)
        clearZoneSelection();
    else
        selectZoneOfNode(node.zoneIndex);
}

void ZoneTreeBinding::showNode(const std::string &key)
{
    nodeClicked(key);
    mCanvas.showSelectionInTree();
    mCanvas.ports().grid->fill(GridFill::Selection);
}

void ZoneTreeBinding::clearZoneSelection()
{
    mCanvas.clearSelection();
    mCanvas.setCanvasMode(Idle);
    mCanvas.startDisplayTimer();
}

void ZoneTreeBinding::selectZoneOfNode(int zoneIndex)
{
    if (zoneIndex < 0 || zoneIndex >= mDocument.ActiveZoneCount())
        return;
    mCanvas.selectZone(zoneIndex);
    mCanvas.scrollToSelectedZone();
    mCanvas.startDisplayTimer();
}

void ZoneTreeBinding::released(int nodeCount)
{
    if (nodeCount > 0)
        mCanvas.ports().grid->fill(GridFill::Selection);
}

std::optional<ZoneTreeBinding::Popup>
ZoneTreeBinding::popupFor(const std::string &selectedKey) const
{
    if (!mCanvas.state().ImageShown)
        return std::nullopt;
    switch (decodeTreeKey(selectedKey).kind) {
    case TreeKey::Kind::Zone:
    case TreeKey::Kind::DefaultRegion:
        return Popup{false, true};
    case TreeKey::Kind::Map:
        return Popup{true, false};
    default:
        return std::nullopt;
    }
}

void ZoneTreeBinding::popupCommand(int item, const std::string &selectedKey)
{
    switch (item) {
    case PopupRectangle:
        mEditor.BeginTrace(ShapeRectangle);
        break;
    case PopupCircle:
        mEditor.BeginTrace(ShapeCircle);
        break;
    case PopupPolygon:
        mEditor.BeginTrace(ShapePolygon);
        break;
    case PopupDelete:
        mLifecycle.deleteFromTree(selectedKey);
        break;
    case PopupProperties:
        showPropertiesOf(decodeTreeKey(selectedKey).kind);
        break;
    default:
        // New is the File menu's command: the main window runs it.
        break;
    }
}

void ZoneTreeBinding::showPropertiesOf(TreeKey::Kind kind)
{
    if (!mProperties)
        return;
    if (kind == TreeKey::Kind::Zone)
        mProperties->showZoneDialog();
    else if (kind == TreeKey::Kind::Map || kind == TreeKey::Kind::DefaultRegion)
        mProperties->showMapDialog();
}

void ZoneTreeBinding::doubleClicked(const std::string &key, int nodeCount)
{
    const TreeKey::Kind kind = decodeTreeKey(key).kind;
    if (nodeCount > 0 && mCanvas.state().ImageShown && kind != TreeKey::Kind::Map)
        showPropertiesOf(kind);
}

void ZoneTreeBinding::focused()
{
    mEditor.CancelTrace();
}

} // namespace areamaker
