#include "document/MapReader.h"

#include "document/AsciiText.h"
#include "document/CoordinateParser.h"
#include "document/MapDocument.h"
#include "document/MarkupScanner.h"
#include "document/TreeKeys.h"
#include "platform/EditorViews.h"
#include "platform/MessageBoxPort.h"

#include <algorithm>
#include <array>

namespace areamaker {

namespace {

constexpr std::string_view sourceCommentStart = "<!--Source Map:|";
constexpr std::string_view sourceCommentEnd = "|-->";

constexpr std::array<const char *, 8> attributeNames = {
    "HREF", "TARGET", "ALT", "TITLE", "ONCLICK", "ONMOUSEOVER", "ONMOUSEOUT", "COORDS",
};

std::size_t lineOf(std::string_view text, std::size_t position)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + position, '\n'));
}

std::int32_t checkedSum(std::int64_t value)
{
    if (value < INT32_MIN || value > INT32_MAX)
        throw CoreError(ErrOverflow,
                        "Dépassement de capacité : coordonnées de cercle trop grandes.");
    return static_cast<std::int32_t>(value);
}

void storePoint(Zone &zone, Point p, int index)
{
    zone.AddXCoord(p.x, index);
    zone.AddYCoord(p.y, index);
}

} // namespace

MapReader::MapReader(MapDocument &document, ImageSizeCache &images, MessageBoxPort *messages,
                     PathStyle style)
    : mDocument(document), mImages(images), mMessages(messages), mStyle(style)
{
}

std::string MapReader::GetAreaAttribute(std::string_view tag, int index)
{
    return areaAttribute(TagView(tag), index);
}

std::string MapReader::areaAttribute(const TagView &tag, int index)
{
    if (index < 0 || index >= static_cast<int>(attributeNames.size()))
        return {};
    return tag.value(attributeNames[static_cast<std::size_t>(index)]).value_or("");
}

bool MapReader::readPage(std::string_view page)
{
    // Markup is searched byte by byte: a page of 16-bit characters would be read as having
    // no maps, and a map added to it would be written in the wrong encoding.
    if (page.starts_with("\xFF\xFE") || page.starts_with("\xFE\xFF")) {
        fail(CoreError(ErrTypeMismatch, "Le document est enregistré en UTF-16 : l'éditeur ne "
                                        "peut pas le modifier sans risque."));
        return false;
    }
    mEncoding = PageEncoding::detect(page);
    mDocument.Encoding = mEncoding;
    mDocumentPath = mDocument.Path;
    for (std::size_t start = MarkupScanner::findStartTag(page, "MAP", 0);
         start != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::elementEnd(page, "MAP", start);
        if (end == MarkupScanner::npos) {
            fail(CoreError(ErrInvalidCall, "La balise MAP de la ligne " +
                                               std::to_string(lineOf(page, start)) +
                                               " n'est pas fermée par </MAP>."));
            return false;
        }
        if (!ReadMapBlock(page.substr(start, end - start)))
            return false;
        start = MarkupScanner::findStartTag(page, "MAP", end);
    }
    return true;
}

bool MapReader::ReadMapBlock(std::string_view block)
{
    if (MarkupScanner::findEndTag(block, "MAP", 0) == MarkupScanner::npos)
        return false;
    const int index = mDocument.MapCount();
    try {
        mDocument.appendMap();
        readBlock(block, index);
        return true;
    } catch (const CoreError &error) {
        // The map is not counted; the tree nodes it added stay until the tree is cleared.
        mDocument.Maps.resize(static_cast<std::size_t>(index));
        fail(error);
        return false;
    }
}

void MapReader::fail(const CoreError &error)
{
    mLastError = error;
    if (mMessages)
        mMessages->show({error.description() + " " + std::to_string(error.number()), "Areamaker",
                         MessageButtons::Ok, MessageIcon::Exclamation});
}

void MapReader::readBlock(std::string_view block, int mapIndex)
{
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    const std::size_t startTagEnd = MarkupScanner::tagEnd(block, 0);
    const std::string_view startTag = block.substr(0, startTagEnd);
    // The source comment follows the start tag; text inside a NAME value is not one.
    readImagePath(block.substr(startTagEnd), map);
    if (const auto name = MarkupScanner::findAttribute(startTag, "NAME"))
        map.Name = MarkupScanner::decodedValue(startTag, *name);
    map.NameAsRead = map.Name;
    map.Alive = true;
    if (auto *tree = mDocument.tree())
        tree->addNode({}, mapKey(mapIndex), mapNodeText(mEncoding.decode(map.Name), map.ImagePath),
                      MapNodeImage);

    mDefaultNodeAdded = false;
    for (std::size_t p = MarkupScanner::findStartTag(block, "AREA", startTagEnd);
         p != MarkupScanner::npos;) {
        const std::size_t end = MarkupScanner::tagEnd(block, p);
        if (end == MarkupScanner::npos)
            throw CoreError(ErrInvalidCall,
                            "Balise AREA non terminée dans la map « " + map.Name + " ».");
        readArea(block.substr(p, end - p), mapIndex);
        p = MarkupScanner::findStartTag(block, "AREA", end);
    }
}

void MapReader::readImagePath(std::string_view block, ImageMap &map)
{
    map.SourceAsRead = map.ImagePath = NoImage;
    const std::size_t comment = block.find(sourceCommentStart);
    if (comment == std::string_view::npos)
        return;
    const std::size_t start = comment + sourceCommentStart.size();
    const std::size_t end = block.find(sourceCommentEnd, start);
    // The comment ends at its first "-->": a path end found after it is not the comment's.
    if (end == std::string_view::npos || block.find("-->", start) < end + 1)
        throw CoreError(ErrInvalidCall,
                        "Commentaire de source d'image non terminé (« |--> » manquant).");
    map.SourceTextAsRead = block.substr(start, end - start);
    const std::string path =
        ResolvePath(mEncoding.decode(map.SourceTextAsRead), mDocumentPath, mStyle);
    if (!path.empty() && mImages.fileExists(path))
        map.SourceAsRead = map.ImagePath = path;
}

void MapReader::readArea(std::string_view text, int mapIndex)
{
    const TagView tag(text);
    const std::string shape = toUpperAscii(tag.value("SHAPE").value_or("RECT"));
    const std::string coords = areaAttribute(tag, 7);
    Zone zone;
    zone.setHSelection(false);
    zone.setHRegion(KindRegion);
    if (startsWith(shape, "RECT")) {
        if (readDefaultRectangle(tag, mapIndex, coords))
            return;
        const auto values = parseCoordinateList(coords);
        if (values.size() < 4)
            throw CoreError(ErrInvalidCall, "Rectangle incomplet : COORDS=\"" + coords + "\".");
        storePoint(zone, {values[0], values[1]}, 0);
        storePoint(zone, {values[2], values[3]}, 1);
        zone.setHForme(ShapeRectangle);
    } else if (startsWith(shape, "POLY")) {
        const std::vector<std::int32_t> values =
            coords.empty() ? std::vector<std::int32_t>() : parseCoordinateList(coords);
        if (values.size() % 2 != 0)
            throw CoreError(ErrInvalidCall, "Polygone incomplet : COORDS=\"" + coords + "\".");
        int n = 0;
        for (std::size_t i = 0; i < values.size(); i += 2) {
            const Point p{values[i], values[i + 1]};
            const bool last = i + 2 == values.size();
            if (last && n == 0)
                throw CoreError(ErrInvalidCall,
                                "Polygone d'un seul point : COORDS=\"" + coords + "\".");
            // Only a polygon is closed by repeating its first vertex.
            if (last && n >= 3 && p == zone.point(0))
                break;
            storePoint(zone, p, n++);
        }
        zone.setHForme(ShapePolygon);
    } else if (startsWith(shape, "CIRC")) {
        const auto values = parseCoordinateList(coords);
        if (values.size() < 3)
            throw CoreError(ErrInvalidCall, "Cercle incomplet : COORDS=\"" + coords + "\".");
        const std::int64_t cx = values[0], cy = values[1], r = values[2];
        storePoint(zone, {checkedSum(cx - r), checkedSum(cy - r)}, 0);
        storePoint(zone, {checkedSum(cx + r), checkedSum(cy + r)}, 1);
        zone.setHForme(ShapeCircle);
    } else if (startsWith(shape, "DEFAULT")) {
        setDefaultRegion(tag, mapIndex);
        return;
    } else {
        return;
    }
    addZone(std::move(zone), tag, mapIndex);
}

bool MapReader::readDefaultRectangle(const TagView &tag, int mapIndex, std::string_view coords)
{
    if (!startsWith(coords, "0,0"))
        return false;
    const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    const auto size = mImages.GetImageSize(map.ImagePath);
    if (!size)
        return false;
    const auto values = parseCoordinateList(coords);
    if (values.size() < 4 || values[2] != size->width || values[3] != size->height)
        return false;
    setDefaultRegion(tag, mapIndex);
    return true;
}

void MapReader::setDefaultRegion(const TagView &tag, int mapIndex)
{
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    for (int k = 0; k < 7; ++k)
        map.DefaultRegion[static_cast<std::size_t>(k)] = areaAttribute(tag, k);
    auto *tree = mDocument.tree();
    if (!tree)
        return;
    const std::string text = defaultRegionNodeText(mEncoding.decode(map.DefaultRegion[AttrHref]));
    if (mDefaultNodeAdded) {
        tree->setNodeText(defaultRegionKey(mapIndex), text);
    } else {
        tree->addNode(mapKey(mapIndex), defaultRegionKey(mapIndex), text, ZoneNodeImage);
        mDefaultNodeAdded = true;
    }
}

void MapReader::addZone(Zone zone, const TagView &tag, int mapIndex)
{
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    if (map.Zones.size() >= MapDocument::MaxCount)
        throw CoreError(ErrOverflow, "Dépassement de capacité : la map « " + map.Name +
                                         " » ne peut contenir plus de 32 767 zones.");
    for (int k = 0; k < 7; ++k)
        zone.SetData(k, areaAttribute(tag, k));
    const int zoneIndex = map.ZoneCount();
    if (auto *tree = mDocument.tree())
        tree->addNode(mapKey(mapIndex), zoneKey(mapIndex, zoneIndex),
                      zoneNodeText(zone.hForme(), mEncoding.decode(zone.GetData(AttrHref))),
                      ZoneNodeImage);
    map.Zones.push_back(std::move(zone));
}

} // namespace areamaker
