#pragma once

#include "document/Paths.h"
#include "platform/EditorPorts.h"

#include <functional>
#include <string>

namespace areamaker {

class MapDocument;

// Moves the one document through its life: open, activate a map, save, close, reload when
// another program changed the file, and delete what the user picks in the tree.
class DocumentLifecycle
{
public:
    DocumentLifecycle(MapDocument &document, const EditorPorts &ports,
                      PathStyle style = nativePathStyle());

    void setNewNoBorder(bool on) { mNewNoBorder = on; }

    // Offers to save modified maps; false when the calling command must stop.
    bool promptToSave();

    bool OpenDocument(const std::string &path, bool noPrompt);
    bool ActivateMap(int index, bool expandNode);
    // A change of the page's text: empty when it was made, else why it could not be.
    using PageEdit = std::function<std::string(std::string &text)>;
    // `edit`, when given, changes the page in the same write as its maps: both reach the
    // file or neither does.
    bool SaveDocument(const PageEdit &edit = {});
    void CloseDocument(bool resetView);
    std::string LocateImage(const std::string &mapName, int mapIndex = -1);

    // Runs when the main window gains activation: offers to reload a page changed outside.
    void checkForOutsideChange();
    // Deletes the map, zone or default region that the tree node names.
    void deleteFromTree(const std::string &key);

    // Why the last open or save failed, in one line, for callers without a window.
    const std::string &lastError() const { return mLastError; }

private:
    bool readAndScan(const std::string &path);
    bool trySave(std::string &failure, const PageEdit &edit);
    void failActivation();
    void reportOpenFailure(int number, const std::string &description);
    std::string quotedPath() const;

    MapDocument &mDocument;
    EditorPorts mPorts;
    PathStyle mStyle;
    bool mNewNoBorder = false;
    std::string mLastError;
};

} // namespace areamaker
