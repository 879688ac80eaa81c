#pragma once

#include "document/EditHistory.h"

namespace areamaker {

class CanvasEditor;
class CanvasModel;
class CommandBarPort;
class DocumentLifecycle;
class MapDocument;

// Edition's Annuler and Rétablir: the document goes one step back or forward, and every
// view (canvas, tree, grid, title) follows it with the selection of that moment.
class UndoCommands
{
public:
    // The menu items and toolbar buttons of the two commands.
    static constexpr int UndoItem = 34;
    static constexpr int RedoItem = 35;
    static constexpr const char *UndoButton = "21";
    static constexpr const char *RedoButton = "22";

    UndoCommands(MapDocument &document, CanvasModel &canvas, CanvasEditor &editor,
                 DocumentLifecycle &lifecycle, CommandBarPort &menus);

    void Annuler();
    void Retablir();
    // The items name the step they would take back or do again, and are available only then.
    void updateCommands();

private:
    // Undo and redo wait while a zone is being dragged; a tracing is abandoned first.
    bool ready();
    void follow(const EditHistory::Step &step, const EditHistory::Selection &selection);
    void showActivePicture(const EditHistory::Step &step);
    void keepPictureSize(const EditHistory::Step &step);
    void reselect(int zone);
    void refused();

    MapDocument &mDocument;
    CanvasModel &mCanvas;
    CanvasEditor &mEditor;
    DocumentLifecycle &mLifecycle;
    CommandBarPort &mMenus;
};

} // namespace areamaker
