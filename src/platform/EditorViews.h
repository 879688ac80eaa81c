#pragma once

#include <string>

namespace areamaker {

class MapDocument;

// The zone explorer tree, addressed by node keys.
class TreeViewPort
{
public:
    virtual ~TreeViewPort() = default;
    virtual void clear() = 0;
    // False for a run without a window: a page read for it builds no nodes at all.
    virtual bool showsNodes() const { return true; }
    // An empty parent key adds the node at the root level.
    virtual void addNode(const std::string &parentKey, const std::string &key,
                         const std::string &text, int image) = 0;
    virtual void setNodeText(const std::string &key, const std::string &text) = 0;
    // Puts the node at this place among its parent's children, or only sets its text when
    // it is there already. A tree that cannot place nodes adds it again at the end.
    virtual void setOrInsertNode(const std::string &parentKey, int position, const std::string &key,
                                 const std::string &text, int image)
    {
        (void)position;
        removeNode(key);
        addNode(parentKey, key, text, image);
    }
    virtual void removeNode(const std::string &key) = 0;
    virtual void expandNode(const std::string &key) = 0;
    // Makes the node the current one, scrolled into sight, as the canvas selection changes.
    virtual void selectNode(const std::string &key) = 0;
};

// Fill modes of the property grid.
enum class GridFill { Empty = 10, Tracing = 11, Selection = 12 };

class PropertyGridPort
{
public:
    virtual ~PropertyGridPort() = default;
    virtual void fill(GridFill mode) = 0;
    // Rewrites the value of the row with this tag, leaving the other rows as they are.
    virtual void setRowValue(int tag, const std::string &value) = 0;
};

// The status bar's panels, addressed by key ("ETAT", "CAP").
class StatusBarPort
{
public:
    virtual ~StatusBarPort() = default;
    virtual void setPanelText(const std::string &panel, const std::string &text) = 0;
};

// Toolbar states: 0 no document, 1 document open, 2 map active, 3 no picture.
enum class ToolbarState { NoDocument = 0, DocumentOpen = 1, MapActive = 2, NoPicture = 3 };

class CommandStatePort
{
public:
    virtual ~CommandStatePort() = default;
    virtual void setToolbarState(ToolbarState state) = 0;
    // Presses one of the canvas tool buttons ("11" selection to "14" polygon).
    virtual void pressToolButton(const std::string &key) = 0;
};

// The parts of the canvas that the document lifecycle drives.
class CanvasPort
{
public:
    virtual ~CanvasPort() = default;
    // Shows the picture; an empty path clears the canvas. False when the picture cannot load.
    virtual bool ShowImage(const std::string &path) = 0;
    virtual void clearSelection() = 0;
    // Deletes the selected zone after asking the user when `ask` is true.
    virtual void DeleteSelectedZone(bool ask) = 0;
    virtual void setCanvasMode(int mode) = 0;
    virtual void startDisplayTimer() = 0;
};

class WindowTitlePort
{
public:
    virtual ~WindowTitlePort() = default;
    virtual void refreshTitle(const MapDocument &document) = 0;
};

class RecentDocumentsPort
{
public:
    virtual ~RecentDocumentsPort() = default;
    virtual void addDocument(const std::string &path) = 0;
};

} // namespace areamaker
