#pragma once

#include "platform/DrawingSurface.h"

namespace areamaker {

class CanvasClipboard;
class CanvasEditor;
class CanvasModel;
class CanvasPopupPort;
class CommandBarPort;
class PropertiesCommand;
class ZoneOrder;

// Items of the canvas's pop-up menu, by number.
enum CanvasPopupItem : int
{
    PopupCut = 1,
    PopupCopy = 2,
    PopupPaste = 3,
    PopupRemove = 4,
    PopupInsertSeparator = 5,
    PopupInsertMenu = 6,
    PopupInsertRectangle = 7,
    PopupInsertCircle = 8,
    PopupInsertPolygon = 9,
    PopupZoneProperties = 11,
    PopupOrderSeparator = 12,
    PopupBringToFront = 13,
    PopupSendToBack = 14,
};

// Contexts of the edit commands: what was clicked, or what is selected.
enum EditContext : int
{
    NothingSelected = 0,
    InsideSelectedZone = 1,
    OutsideSelectedZone = 2,
    NoPictureShown = 3,
};

// The canvas's editing commands as the menus reach them: the right-button pop-up, which
// commands each context offers, the pop-up's items, the double click, the main menu's
// edit items and the properties dialog that follows a tracing.
class EditCommands
{
public:
    struct Parts
    {
        CanvasModel &canvas;
        CanvasEditor &editor;
        CanvasClipboard &clipboard;
        PropertiesCommand &properties;
        CommandBarPort &menus;
        CanvasPopupPort &popup;
        ZoneOrder &order;
    };

    explicit EditCommands(const Parts &parts) : mParts(parts) {}

    void rightRelease(Point at);
    void UpdateEditCommands(int context);
    void popupCommand(int item);
    void doubleClick();
    // Before a main menu drops down: a tracing is abandoned, else the edit items follow
    // the canvas.
    void beforeMainMenu();
    // The one-shot timer that follows a traced zone has elapsed.
    void autoPropElapsed();

private:
    void showPopupItems(bool cutAndCopy, bool insert, bool remove);

    Parts mParts;
};

} // namespace areamaker
