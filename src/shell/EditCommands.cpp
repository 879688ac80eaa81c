#include "shell/EditCommands.h"

#include "canvas/CanvasClipboard.h"
#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "canvas/ZoneOrder.h"
#include "document/MapDocument.h"
#include "platform/CanvasPopupPort.h"
#include "platform/CanvasSurfaces.h"
#include "shell/AppSettings.h"
#include "shell/MainWindowRules.h"
#include "shell/PropertiesCommand.h"

namespace areamaker {

void EditCommands::rightRelease(Point at)
{
    CanvasModel &canvas = mParts.canvas;
    CanvasState &state = canvas.state();
    if (state.CanvasMode == Idle) {
        UpdateEditCommands(NothingSelected);
    } else if (state.CanvasMode == ZoneSelected) {
        const Zone *zone = canvas.selectedZone();
        const bool inside = zone && zone->CheckIn(at.x, at.y) == PointerSizeAll;
        UpdateEditCommands(inside ? InsideSelectedZone : OutsideSelectedZone);
    } else {
        return;
    }
    state.ContextPoint = at;
    mParts.popup.showCanvasPopup(at);
}

void EditCommands::showPopupItems(bool cutAndCopy, bool insert, bool remove)
{
    CanvasPopupPort &popup = mParts.popup;
    popup.setPopupItemVisible(PopupCut, cutAndCopy);
    popup.setPopupItemVisible(PopupCopy, cutAndCopy);
    popup.setPopupItemVisible(PopupInsertMenu, insert);
    popup.setPopupItemVisible(PopupInsertSeparator, insert);
    popup.setPopupItemVisible(PopupRemove, remove);
    // The order commands act on the zone clicked, as Cut and Copy do.
    for (int item : {PopupOrderSeparator, PopupBringToFront, PopupSendToBack})
        popup.setPopupItemVisible(item, cutAndCopy);
    popup.setPopupItemEnabled(PopupBringToFront, mParts.order.canMove(true));
    popup.setPopupItemEnabled(PopupSendToBack, mParts.order.canMove(false));
    popup.setPopupItemVisible(PopupPaste, true);
    popup.setPopupItemEnabled(PopupPaste, mParts.clipboard.holdsZone());
}

void EditCommands::UpdateEditCommands(int context)
{
    CanvasState &state = mParts.canvas.state();
    const bool clipboard = mParts.clipboard.holdsZone();
    switch (context) {
    case NothingSelected:
        showPopupItems(false, true, false);
        MainWindowRules::updateEditMenu(context, clipboard, mParts.menus);
        state.MapFocus = 1;
        break;
    case InsideSelectedZone:
        showPopupItems(true, false, true);
        MainWindowRules::updateEditMenu(context, clipboard, mParts.menus);
        state.MapFocus = 0;
        break;
    case OutsideSelectedZone:
        showPopupItems(false, true, true);
        state.MapFocus = 1;
        break;
    case NoPictureShown:
        MainWindowRules::updateEditMenu(context, clipboard, mParts.menus);
        break;
    default:
        break;
    }
}

void EditCommands::popupCommand(int item)
{
    switch (item) {
    case PopupCut:
        mParts.clipboard.CutZone();
        break;
    case PopupCopy:
        mParts.clipboard.CopyZone();
        break;
    case PopupPaste:
        mParts.clipboard.PasteZone();
        break;
    case PopupRemove:
        mParts.canvas.DeleteSelectedZone(true);
        break;
    case PopupInsertRectangle:
        mParts.editor.BeginTrace(ShapeRectangle);
        break;
    case PopupInsertCircle:
        mParts.editor.BeginTrace(ShapeCircle);
        break;
    case PopupInsertPolygon:
        mParts.editor.BeginTrace(ShapePolygon);
        break;
    case PopupZoneProperties:
        mParts.properties.ShowProperties(false);
        break;
    case PopupBringToFront:
        mParts.order.bringToFront();
        break;
    case PopupSendToBack:
        mParts.order.sendToBack();
        break;
    default:
        break;
    }
}

void EditCommands::doubleClick()
{
    CanvasModel &canvas = mParts.canvas;
    const int mode = canvas.state().CanvasMode;
    if (mode != Idle && mode != ZoneSelected)
        return;
    if (canvas.document().SelectedZoneIndex != -1)
        canvas.state().MapFocus = 0;
    mParts.properties.ShowProperties(false);
}

void EditCommands::beforeMainMenu()
{
    // A tracing ends first, so that the Edit menu offers what the canvas then allows.
    if (mParts.canvas.state().CanvasMode == Tracing)
        mParts.editor.CancelTrace();
    switch (mParts.canvas.state().CanvasMode) {
    case NoPicture:
        UpdateEditCommands(NoPictureShown);
        break;
    case Idle:
        UpdateEditCommands(NothingSelected);
        break;
    case ZoneSelected:
        UpdateEditCommands(InsideSelectedZone);
        break;
    default:
        break;
    }
}

void EditCommands::autoPropElapsed()
{
    mParts.canvas.host().setPictureEnabled(true);
    // An undo in the meantime may have taken the new zone away.
    if (mParts.canvas.settings().AutoProp && mParts.canvas.selectedZone())
        mParts.properties.showZoneDialog();
}

} // namespace areamaker
