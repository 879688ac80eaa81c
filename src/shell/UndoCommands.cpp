#include "shell/UndoCommands.h"

#include "canvas/CanvasEditor.h"
#include "canvas/CanvasModel.h"
#include "document/DocumentLifecycle.h"
#include "document/MapDocument.h"
#include "platform/CommandBarPort.h"

#include <algorithm>

namespace areamaker {

UndoCommands::UndoCommands(MapDocument &document, CanvasModel &canvas, CanvasEditor &editor,
                           DocumentLifecycle &lifecycle, CommandBarPort &menus)
    : mDocument(document), mCanvas(canvas), mEditor(editor), mLifecycle(lifecycle), mMenus(menus)
{
}

bool UndoCommands::ready()
{
    const int mode = mCanvas.state().CanvasMode;
    if (mode == Resizing || mode == Moving)
        return false;
    mEditor.CancelTrace();
    return true;
}

void UndoCommands::Annuler()
{
    EditHistory &history = mDocument.history();
    if (!ready() || !history.canUndo())
        return;
    if (const EditHistory::Step *step = history.undo())
        follow(*step, step->before);
    else
        refused();
}

void UndoCommands::Retablir()
{
    EditHistory &history = mDocument.history();
    if (!ready() || !history.canRedo())
        return;
    if (const EditHistory::Step *step = history.redo())
        follow(*step, step->after);
    else
        refused();
}

void UndoCommands::refused()
{
    mCanvas.ports().messages->show(
        {"Cette étape modifie une image map en lecture seule : elle ne peut être ni annulée ni "
         "rétablie.",
         "Areamaker", MessageButtons::Ok, MessageIcon::Exclamation});
}

void UndoCommands::follow(const EditHistory::Step &step, const EditHistory::Selection &selection)
{
    for (const MapChange &change : step.maps)
        mDocument.refreshMapNodes(change.mapIndex(), change.largestZoneCount());
    showActivePicture(step);
    const bool alive = selection.map >= 0 && selection.map < mDocument.MapCount() &&
                       mDocument.Maps[static_cast<std::size_t>(selection.map)].Alive;
    if (selection.map != mDocument.ActiveMapIndex) {
        if (!alive || !mLifecycle.ActivateMap(selection.map, false))
            mLifecycle.clearActiveMap();
    }
    keepPictureSize(step);
    reselect(selection.zone);
    mDocument.refreshTitle();
}

void UndoCommands::showActivePicture(const EditHistory::Step &step)
{
    const int active = mDocument.ActiveMapIndex;
    const bool changed = std::ranges::any_of(step.maps, [active](const MapChange &change) {
        return change.mapIndex() == active && change.pictureChanged();
    });
    if (active < 0 || !changed)
        return;
    if (!mCanvas.ShowImage(mDocument.activeMap()->ImagePath))
        mLifecycle.clearActiveMap();
}

void UndoCommands::keepPictureSize(const EditHistory::Step &step)
{
    ImageMap *map = mDocument.activeMap();
    const int active = mDocument.ActiveMapIndex;
    const bool changed = std::ranges::any_of(step.maps, [active](const MapChange &change) {
        return change.mapIndex() == active && change.pictureChanged();
    });
    // The page was saved with the other picture's size in its IMG tags: the picture back
    // on the canvas gives them its own.
    if (!map || !changed || map->ImageWidth > 0 || map->ImagePath == map->SourceAsRead)
        return;
    const ImageSize size = mCanvas.pictureSize();
    map->ImageWidth = size.width;
    map->ImageHeight = size.height;
}

void UndoCommands::reselect(int zone)
{
    if (!mCanvas.state().ImageShown)
        return;
    mCanvas.clearSelection();
    const std::vector<Zone> &zones = mDocument.ActiveZones;
    if (zone >= 0 && zone < static_cast<int>(zones.size()) &&
        zones[static_cast<std::size_t>(zone)].hForme() != ShapeNone)
        mCanvas.selectZone(zone);
    else
        mCanvas.setCanvasMode(Idle);
    mCanvas.ports().grid->fill(GridFill::Selection);
    mCanvas.showSelectionInTree();
    mCanvas.scrollToSelectedZone();
    mCanvas.RedrawCanvas();
}

void UndoCommands::updateCommands()
{
    const EditHistory &history = mDocument.history();
    const auto caption = [](const char *verb, std::optional<EditKind> kind) {
        return kind ? std::string(verb) + " " + editKindName(*kind) : std::string(verb);
    };
    mMenus.setMenuItemCaption(UndoItem, caption("&Annuler", history.undoKind()));
    mMenus.setMenuItemCaption(RedoItem, caption("&Rétablir", history.redoKind()));
    mMenus.setMenuItemEnabled(UndoItem, history.canUndo());
    mMenus.setMenuItemEnabled(RedoItem, history.canRedo());
    mMenus.setButtonEnabled(UndoButton, history.canUndo());
    mMenus.setButtonEnabled(RedoButton, history.canRedo());
}

} // namespace areamaker
