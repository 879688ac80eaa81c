#pragma once

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

    void SetDocumentModified(bool flag);
    void refreshTitle();
    void markMapModified(int mapIndex);

    // Appends a map read from the page or created by the user; fails past the count limit.
    ImageMap &appendMap();
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

    void deleteMap(int mapIndex);
    void clearDefaultRegion(int mapIndex);
    bool anyMapModified() const;

    // Takes the page that `read` holds (path, encoding, maps) with no map active.
    void adoptPage(MapDocument &&read);
    void clearMaps();
    // Forgets the page: state -1, no maps, no path, no stamp, empty working lists.
    void close();

    TreeViewPort *tree() const { return mTree; }

private:
    TreeViewPort *mTree = nullptr;
    WindowTitlePort *mTitle = nullptr;
    DrawingSurface *mCanvasBuffer = nullptr;
};

} // namespace areamaker
