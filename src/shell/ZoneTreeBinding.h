#pragma once

#include "document/TreeKeys.h"

#include <optional>
#include <string>

namespace areamaker {

class CanvasEditor;
class CanvasModel;
class DocumentLifecycle;
class MapDocument;
class PropertiesCommand;

// Items of the zone explorer's pop-up menu, by number.
enum TreePopupItem : int
{
    PopupNew = 1,
    PopupInsert = 2,
    PopupRectangle = 3,
    PopupCircle = 4,
    PopupPolygon = 5,
    PopupDelete = 6,
    PopupProperties = 8,
};

// The zone explorer's side of the editor: a click on a node activates its map and selects
// its zone on the canvas, and the pop-up menu traces into or deletes what the node names.
class ZoneTreeBinding
{
public:
    // Which of the pop-up's first two items show for the node.
    struct Popup
    {
        bool newShown = false;
        bool insertShown = false;
    };

    ZoneTreeBinding(MapDocument &document, CanvasModel &canvas, CanvasEditor &editor,
                    DocumentLifecycle &lifecycle);

    void nodeClicked(const std::string &key);
    // Selects what the node names as a click on it would, for a choice made elsewhere (a
    // finding of the checker): the tree's current node and the grid follow.
    void showNode(const std::string &key);
    // A mouse button or a key was released over a tree that holds `nodeCount` nodes.
    void released(int nodeCount);
    // The pop-up for the selected node, or none when no picture is shown or no node is.
    std::optional<Popup> popupFor(const std::string &selectedKey) const;
    void popupCommand(int item, const std::string &selectedKey);
    // The tree took the focus: a tracing in progress is abandoned.
    void focused();
    // Where the pop-up's Properties and double clicks open the dialogs.
    void setProperties(PropertiesCommand *properties) { mProperties = properties; }
    // A double click on the node, in a tree that holds `nodeCount` nodes.
    void doubleClicked(const std::string &key, int nodeCount);

private:
    void selectZoneOfNode(int zoneIndex);
    void clearZoneSelection();
    void showPropertiesOf(TreeKey::Kind kind);

    MapDocument &mDocument;
    CanvasModel &mCanvas;
    CanvasEditor &mEditor;
    DocumentLifecycle &mLifecycle;
    PropertiesCommand *mProperties = nullptr;
};

} // namespace areamaker
