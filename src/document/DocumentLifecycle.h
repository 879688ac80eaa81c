#pragma once

#include "document/MapReader.h"
#include "document/Paths.h"
#include "platform/EditorPorts.h"
#include "platform/FileView.h"

#include <functional>
#include <memory>
#include <string>

namespace areamaker {

class DeferredTree;
class MapDocument;

// Moves the one document through its life: open, activate a map, save, close, reload when
// another program changed the file, and delete what the user picks in the tree.
class DocumentLifecycle
{
public:
    DocumentLifecycle(MapDocument &document, const EditorPorts &ports,
                      PathStyle style = nativePathStyle());

    void setNewNoBorder(bool on) { mNewNoBorder = on; }
    // The folder the file choosers open in: it follows each document opened or saved.
    void followFolderIn(std::string &defaultFolder) { mDefaultFolder = &defaultFolder; }

    // Offers to save modified maps; false when the calling command must stop.
    bool promptToSave();

    bool OpenDocument(const std::string &path, bool noPrompt);
    // Reads the page once, without opening it, and hands its maps to `visit` in page order
    // as each is read, keeping none. A page that fails partway (the reason in lastError) has handed over the maps before the
    // fault: a caller that must show all or nothing holds what it makes of them.
    bool visitMaps(const std::string &path, const MapReader::MapVisitor &visit);
    // Rewrites every map block of the page that the editor may change, as opening it,
    // changing every map and saving would; it reads the page once, holds one map's zones at
    // a time and writes the new page as it makes it. False, with the reason in lastError,
    // when the page cannot be read or written; nothing is written when no map may change.
    bool RewritePage(const std::string &path);
    bool ActivateMap(int index, bool expandNode);
    // A change of the page's text: empty when it was made, else why it could not be.
    using PageEdit = std::function<std::string(std::string &text)>;
    // `edit`, when given, changes the page in the same write as its maps: both reach the
    // file or neither does.
    bool SaveDocument(const PageEdit &edit = {});
    // The text a save would write now, made without writing anything and leaving the
    // document as it was; false, with the reason in `failure`, when no save could be made.
    bool pageAsSaved(std::string &text, std::string &failure);
    void CloseDocument(bool resetView);
    std::string LocateImage(const std::string &mapName, int mapIndex = -1);

    // Runs when the application gains activation: offers to reload a page changed outside,
    // or says that it no longer exists.
    void checkForOutsideChange();
    // Deletes the map, zone or default region that the tree node names.
    void deleteFromTree(const std::string &key);
    // No map on the canvas any more: the picture, the working zones and the grid go.
    void clearActiveMap();

    // Why the last open or save failed, in one line, for callers without a window.
    const std::string &lastError() const { return mLastError; }

private:
    bool readPage(const std::string &path, std::string &page);
    // A page read for reading only: a view of the file, not a copy where the system lends it.
    bool viewPage(const std::string &path, std::unique_ptr<FileView> &view);
    bool isPage(const std::string &path, std::string_view bytes);
    // Reports a failure of the rewrite's reading of the page as opening it would: its first
    // failure, found by reading it whole; false.
    bool reportFirstFailure(const std::string &path, std::string_view page, ImageSizeCache &images,
                            const CoreError &failure);
    // A rewrite whose temporary file could not even be made: as when no write is tried, a
    // page with nothing to write again succeeds untouched, and a reading failure is reported.
    bool settleUnbegunRewrite(const std::string &path, std::string_view page,
                              ImageSizeCache &images, const IoResult &written);
    bool failRewrite(const IoResult &written);
    bool scanPage(MapReader &reader, std::string_view page,
                  const MapReader::MapVisitor &visit = {});
    void adoptPage(const std::string &path, std::string &&page, MapDocument &&read,
                   const DeferredTree &nodes);
    std::string openFolder() const;
    void followFolder();
    bool readForSave(std::string &text, std::string &failure);
    bool trySave(std::string &failure, const PageEdit &edit);
    void writeMapsInto(std::string &text);
    void takeImageOfImgTag(int index, const std::string &image);
    void reportOpenFailure(int number, const std::string &description);
    void reportNotAPage(const std::string &path, const std::string &kind);
    bool askToReload();
    void tellPageGone();
    std::string quotedPath() const;

    MapDocument &mDocument;
    EditorPorts mPorts;
    PathStyle mStyle;
    bool mNewNoBorder = false;
    std::string *mDefaultFolder = nullptr;
    std::string mLastError;
    // The page's bytes as last read or written, from which a save recreates a page that
    // another program deleted once the user was told so.
    std::string mPageText;
    bool mPageGone = false;
};

} // namespace areamaker
