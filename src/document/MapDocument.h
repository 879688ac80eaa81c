#pragma once

#include "document/CoreError.h"
#include "document/EditHistory.h"
#include "document/ImageMap.h"
#include "document/PageEncoding.h"
#include "document/Zone.h"

#include <cstdint>
#include <string>
#include <vector>

namespace areamaker {

class DrawingSurface;
class TreeViewPort;
class WindowTitlePort;

enum DocumentStateCode : std::int16_t
{
    NeverOpened = 0,
    DocumentOpen = 1,
    DocumentClosed = -1
};

// The one open page: its image maps, the working copy of the active map's zones, and the
// flags that tell what must be saved.
class MapDocument
{
public:
    static constexpr int MaxCount = 32767;

    // Undo and redo leave read-only maps alone, as every other edit does.
    MapDocument();
    MapDocument(const MapDocument &) = delete;
    MapDocument &operator=(const MapDocument &) = delete;

    std::string Path;
    std::string Folder;
    std::int16_t DocumentState = NeverOpened;
    bool DocumentModified = false;
    std::string DocumentStamp;
    std::vector<ImageMap> Maps;
    std::int16_t ActiveMapIndex = -1;
    std::vector<Zone> ActiveZones;
    std::int16_t SelectedZoneIndex = -1;
    // How the page's bytes are to be shown and typed values written back.
    PageEncoding Encoding;

    void attachViews(TreeViewPort *tree, WindowTitlePort *title, DrawingSurface *canvasBuffer);

    std::int16_t MapCount() const { return static_cast<std::int16_t>(Maps.size()); }
    std::int16_t ActiveZoneCount() const { return static_cast<std::int16_t>(ActiveZones.size()); }
    ImageMap *activeMap();
    const ImageMap *activeMap() const;

    // The zones of a map as the editor works on them: the working copy for the active map.
    std::vector<Zone> &zonesOf(int mapIndex);
    const std::vector<Zone> &zonesOf(int mapIndex) const;

    void SetDocumentModified(bool flag);
    void refreshTitle();
    // A map changed in a way that no undo can take back (its picture found on activation).
    void markChangedOutsideSteps(int mapIndex);
    // The page was written: no map is modified, and undo knows the saved state.
    void markSaved();
    EditHistory &history() { return mHistory; }

    // Appends a map read from the page or created by the user; fails past the count limit.
    ImageMap &appendMap();
    // What adding a map past MaxCount fails with.
    static CoreError tooManyMaps();
    void AddImageMap(const std::string &name, const std::string &imagePath,
                     const std::string &defaultHref);
    // Takes back the map added last, with its tree node, when what it was added for failed.
    void dropLastMap();
    void copyBackActiveZones();
    void loadActiveZones(int mapIndex);

    // Whether a map other than `mapIndex` has this name, or was read under it.
    bool nameTakenByOtherMap(const std::string &name, int mapIndex) const;
    // The tree node of the map's default region after its link changed: given the link as
    // shown, added when the map had none, removed when the link is empty.
    void updateDefaultRegionNode(int mapIndex, bool hadNode, const std::string &shownHref);
    // Rebuilds the map's tree nodes from the map: its own node (gone with the map), then its
    // zones in order and its default region; `oldZoneCount` zone nodes are removed first.
    void refreshMapNodes(int mapIndex, int oldZoneCount);

    void deleteMap(int mapIndex);
    void clearDefaultRegion(int mapIndex);
    bool anyMapModified() const;

    // Takes the page that `read` holds (path, encoding, maps) with no map active.
    void adoptPage(MapDocument &&read);
    void clearMaps();
    // Forgets the page: state -1, no maps, no path, no stamp, empty working lists.
    void close();

    TreeViewPort *tree() const { return mTree; }
    DrawingSurface *canvasBuffer() const { return mCanvasBuffer; }

private:
    friend class EditStep;
    void markMapModified(int mapIndex);
    void addMapNodeAt(int mapIndex);

    TreeViewPort *mTree = nullptr;
    WindowTitlePort *mTitle = nullptr;
    DrawingSurface *mCanvasBuffer = nullptr;
    EditHistory mHistory{*this};
};

} // namespace areamaker
