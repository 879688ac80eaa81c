#include "document/MapDocument.h"

#include "document/CoreError.h"
#include "document/EditStep.h"
#include "document/TreeKeys.h"
#include "platform/EditorViews.h"

#include <utility>

namespace areamaker {

MapDocument::MapDocument()
{
    mHistory.setEditGuard([this](int mapIndex) {
        return mapIndex >= 0 && mapIndex < MapCount() && !Maps[mapIndex].isReadOnly();
    });
}

void MapDocument::attachViews(TreeViewPort *tree, WindowTitlePort *title,
                              DrawingSurface *canvasBuffer)
{
    mTree = tree;
    mTitle = title;
    mCanvasBuffer = canvasBuffer;
}

ImageMap *MapDocument::activeMap()
{
    return const_cast<ImageMap *>(std::as_const(*this).activeMap());
}

const ImageMap *MapDocument::activeMap() const
{
    if (ActiveMapIndex < 0 || ActiveMapIndex >= MapCount())
        return nullptr;
    return &Maps[static_cast<std::size_t>(ActiveMapIndex)];
}

std::vector<Zone> &MapDocument::zonesOf(int mapIndex)
{
    return const_cast<std::vector<Zone> &>(std::as_const(*this).zonesOf(mapIndex));
}

const std::vector<Zone> &MapDocument::zonesOf(int mapIndex) const
{
    if (mapIndex == ActiveMapIndex)
        return ActiveZones;
    return Maps.at(static_cast<std::size_t>(mapIndex)).Zones;
}

void MapDocument::SetDocumentModified(bool flag)
{
    if (DocumentState == DocumentClosed) {
        DocumentModified = false;
    } else if (flag != DocumentModified) {
        DocumentModified = flag;
    } else {
        return;
    }
    refreshTitle();
}

void MapDocument::refreshTitle()
{
    if (mTitle)
        mTitle->refreshTitle(*this);
}

void MapDocument::markMapModified(int mapIndex)
{
    Maps.at(static_cast<std::size_t>(mapIndex)).Modified = true;
    SetDocumentModified(true);
}

void MapDocument::markChangedOutsideSteps(int mapIndex)
{
    mHistory.changedOutsideSteps();
    markMapModified(mapIndex);
}

void MapDocument::markSaved()
{
    for (ImageMap &map : Maps)
        map.Modified = false;
    SetDocumentModified(false);
    mHistory.saved();
}

ImageMap &MapDocument::appendMap()
{
    if (Maps.size() >= MaxCount)
        throw tooManyMaps();
    return Maps.emplace_back();
}

CoreError MapDocument::tooManyMaps()
{
    return CoreError(ErrOverflow, "Dépassement de capacité : le document ne peut contenir plus "
                                  "de 32 767 images maps.");
}

void MapDocument::AddImageMap(const std::string &name, const std::string &imagePath,
                              const std::string &defaultHref)
{
    const int index = MapCount();
    EditStep step(*this, EditKind::NewMap);
    // Undone, the new map is a deleted one: the indices of later maps never shift.
    ImageMap &created = appendMap();
    created.Alive = false;
    created.ImagePath.clear();
    step.touch(index);
    ImageMap &map = Maps.back();
    map.Alive = true;
    map.SourceAsRead = map.ImagePath = imagePath;
    map.Name = map.NameAsRead = name;
    map.DefaultRegion[AttrHref] = defaultHref;
    if (mTree) {
        mTree->addNode({}, mapKey(index), mapNodeText(Encoding.decode(name), imagePath),
                       MapNodeImage);
        if (!defaultHref.empty())
            mTree->addNode(mapKey(index), defaultRegionKey(index),
                           defaultRegionNodeText(Encoding.decode(defaultHref)), ZoneNodeImage);
    }
}

void MapDocument::dropLastMap()
{
    if (Maps.empty())
        return;
    const int index = MapCount() - 1;
    if (ActiveMapIndex == index) {
        ActiveZones.clear();
        ActiveMapIndex = -1;
        SelectedZoneIndex = -1;
    }
    if (mTree)
        mTree->removeNode(mapKey(index));
    Maps.pop_back();
    // The step that added the map goes with it: undoing it would name a map that is gone.
    mHistory.forgetLast();
    SetDocumentModified(anyMapModified());
}

void MapDocument::copyBackActiveZones()
{
    ImageMap *map = activeMap();
    if (!map)
        return;
    map->Zones.clear();
    map->Zones.reserve(ActiveZones.size());
    for (const Zone &working : ActiveZones)
        map->Zones.emplace_back().Acquire(working, mCanvasBuffer);
}

void MapDocument::loadActiveZones(int mapIndex)
{
    const ImageMap &map = Maps.at(static_cast<std::size_t>(mapIndex));
    ActiveZones.clear();
    ActiveZones.reserve(map.Zones.size());
    for (const Zone &stored : map.Zones)
        ActiveZones.emplace_back().Acquire(stored, mCanvasBuffer);
    SelectedZoneIndex = -1;
}

bool MapDocument::nameTakenByOtherMap(const std::string &name, int mapIndex) const
{
    for (int i = 0; i < MapCount(); ++i) {
        const ImageMap &other = Maps[static_cast<std::size_t>(i)];
        if (i != mapIndex && (other.Name == name || other.NameAsRead == name))
            return true;
    }
    return false;
}

void MapDocument::updateDefaultRegionNode(int mapIndex, bool hadNode, const std::string &shownHref)
{
    if (!mTree)
        return;
    const std::string key = defaultRegionKey(mapIndex);
    if (shownHref.empty())
        mTree->removeNode(key);
    else if (hadNode)
        mTree->setNodeText(key, defaultRegionNodeText(shownHref));
    else
        mTree->addNode(mapKey(mapIndex), key, defaultRegionNodeText(shownHref), ZoneNodeImage);
}

void MapDocument::refreshMapNodes(int mapIndex, int oldZoneCount)
{
    if (!mTree)
        return;
    const ImageMap &map = Maps.at(static_cast<std::size_t>(mapIndex));
    const std::string key = mapKey(mapIndex);
    if (!map.Alive) {
        mTree->removeNode(key);
        return;
    }
    for (int z = 0; z < oldZoneCount; ++z)
        mTree->removeNode(zoneKey(mapIndex, z));
    mTree->removeNode(defaultRegionKey(mapIndex));
    addMapNodeAt(mapIndex);
    const std::vector<Zone> &zones = zonesOf(mapIndex);
    for (std::size_t z = 0; z < zones.size(); ++z) {
        if (zones[z].hForme() != ShapeNone)
            mTree->addNode(
                key, zoneKey(mapIndex, static_cast<int>(z)),
                zoneNodeText(zones[z].hForme(), Encoding.decode(zones[z].GetData(AttrHref))),
                ZoneNodeImage);
    }
    updateDefaultRegionNode(mapIndex, false, Encoding.decode(map.DefaultRegion[AttrHref]));
}

void MapDocument::addMapNodeAt(int mapIndex)
{
    const ImageMap &map = Maps[static_cast<std::size_t>(mapIndex)];
    const std::string text = mapNodeText(Encoding.decode(map.Name), map.ImagePath);
    int position = 0;
    for (int i = 0; i < mapIndex; ++i)
        position += Maps[static_cast<std::size_t>(i)].Alive ? 1 : 0;
    // A map node still there keeps its place, its expansion and the current node.
    mTree->setOrInsertNode({}, position, mapKey(mapIndex), text, MapNodeImage);
}

void MapDocument::deleteMap(int mapIndex)
{
    EditStep step(*this, EditKind::DeleteMap);
    step.touch(mapIndex);
    ImageMap &map = Maps.at(static_cast<std::size_t>(mapIndex));
    map.Alive = false;
    map.ImagePath.clear();
    map.Zones.clear();
    map.Modified = true;
    map.Name.clear();
    map.DefaultRegion = {};
    map.DefaultRegionOthers.clear();
    if (ActiveMapIndex == mapIndex) {
        ActiveZones.clear();
        ActiveMapIndex = -1;
        SelectedZoneIndex = -1;
    }
}

void MapDocument::clearDefaultRegion(int mapIndex)
{
    EditStep step(*this, EditKind::DeleteDefaultRegion);
    step.touch(mapIndex);
    ImageMap &map = Maps.at(static_cast<std::size_t>(mapIndex));
    map.DefaultRegion = {};
    map.DefaultRegionOthers.clear();
}

bool MapDocument::anyMapModified() const
{
    for (const ImageMap &map : Maps) {
        if (map.Modified)
            return true;
    }
    return false;
}

void MapDocument::adoptPage(MapDocument &&read)
{
    clearMaps();
    Path = std::move(read.Path);
    Encoding = read.Encoding;
    Maps = std::move(read.Maps);
    mHistory.clear();
}

void MapDocument::clearMaps()
{
    Maps.clear();
    ActiveMapIndex = -1;
    ActiveZones.clear();
    SelectedZoneIndex = -1;
}

void MapDocument::close()
{
    clearMaps();
    DocumentState = DocumentClosed;
    Path.clear();
    DocumentStamp.clear();
    mHistory.clear();
}

} // namespace areamaker
