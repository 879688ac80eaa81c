#include "document/MapReader.h"

#include "document/AsciiText.h"
#include "document/CoordinateParser.h"
#include "document/MapBlockFinder.h"
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

// The attributes the editor reads into a zone, in AreaAttributes order, then COORDS and SHAPE.
constexpr std::array<std::string_view, 9> attributeNames = {
    "HREF", "TARGET", "ALT", "TITLE", "ONCLICK", "ONMOUSEOVER", "ONMOUSEOUT", "COORDS", "SHAPE",
};
constexpr int coordsIndex = 7;
constexpr int shapeIndex = 8;

// The place in attributeNames of an attribute name, or -1. Length and first letter leave one
// name to compare: this runs for every attribute of every AREA of the page.
int knownIndex(std::string_view name)
{
    if (name.empty())
        return -1;
    const char first = static_cast<char>(name[0] & ~0x20);
    int index = -1;
    switch (name.size()) {
    case 3:
        index = 2;
        break;
    case 4:
        index = 0;
        break;
    case 5:
        index = first == 'T' ? 3 : shapeIndex;
        break;
    case 6:
        index = first == 'T' ? 1 : coordsIndex;
        break;
    case 7:
        index = 4;
        break;
    case 10:
        index = 6;
        break;
    case 11:
        index = 5;
        break;
    default:
        return -1;
    }
    return equalsIgnoreAsciiCase(name, attributeNames[static_cast<std::size_t>(index)]) ? index
                                                                                        : -1;
}

// The default region's shape and coordinates are the editor's to write, repeated or not.
enum class Geometry
{
    Kept,
    Dropped
};

} // namespace

// The first attribute of each name the editor reads, found in one pass over the tag.
class MapReader::AreaTag
{
public:
    // `scanned`: the attributes found by the scan that found the tag's end, when it has them.
    explicit AreaTag(std::string_view text,
                     std::optional<std::span<const TagAttribute>> scanned = std::nullopt)
        : mTag(scanned ? TagView(text, *scanned) : TagView(text))
    {
        for (const TagAttribute &a : mTag.attributes()) {
            const int index = knownIndex(mTag.nameOf(a));
            const auto slot = static_cast<std::size_t>(index);
            const bool first = index >= 0 && !mFirst[slot];
            if (first)
                mFirst[slot] = &a;
            mHasOthers =
                mHasOthers || !first || (index < coordsIndex && a.valueBegin == a.valueEnd);
        }
    }
    const TagView &tag() const { return mTag; }
    // The decoded value of attribute `index` of attributeNames; empty when the tag has none.
    std::string value(int index) const { return valueIf(index).value_or(""); }
    std::optional<std::string> valueIf(int index) const
    {
        const TagAttribute *a = mFirst[static_cast<std::size_t>(index)];
        if (!a)
            return std::nullopt;
        return MarkupScanner::decodedValue(mTag.text(), *a);
    }

    OtherAttributes otherAttributes(Geometry geometry = Geometry::Kept) const;

private:
    TagView mTag;
    std::array<const TagAttribute *, attributeNames.size()> mFirst{};
    bool mHasOthers = false;
};

// The tag's attributes that the editor does not read, as written, in their order: a second
// attribute of a known name is one of them, as browsers ignore it too, and so is a link
// attribute written empty (alt=""), which an empty value would otherwise not write.
OtherAttributes MapReader::AreaTag::otherAttributes(Geometry geometry) const
{
    OtherAttributes others;
    if (!mHasOthers)
        return others;
    std::array<bool, attributeNames.size()> seen{};
    for (const TagAttribute &a : mTag.attributes()) {
        const int known = knownIndex(mTag.nameOf(a));
        const auto index = static_cast<std::size_t>(known);
        const bool first = known >= 0 && !seen[index];
        if (first)
            seen[index] = true;
        if (geometry == Geometry::Dropped && known >= coordsIndex)
            continue;
        const std::string_view written = mTag.text().substr(a.nameBegin, a.end - a.nameBegin);
        if (!first)
            others.emplace_back(std::string(written));
        else if (known < coordsIndex && a.valueBegin == a.valueEnd)
            others.emplace_back(std::string(written), known);
    }
    return others;
}

namespace {

bool hasUpperCase(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Whether the tag and all its attribute names are written in lower case.
bool writtenInLowerCase(const TagView &tag)
{
    if (hasUpperCase(tag.text().substr(0, 5)))
        return false;
    return std::none_of(tag.attributes().begin(), tag.attributes().end(),
                        [&](const TagAttribute &a) { return hasUpperCase(tag.nameOf(a)); });
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
    if (index < 0 || index > coordsIndex)
        return {};
    return AreaTag(tag).value(index);
}

bool MapReader::startPage(std::string_view page)
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
    return true;
}

bool MapReader::readPage(std::string_view page, const MapVisitor &visit)
{
    if (!startPage(page))
        return false;
    int visited = 0;
    return MapBlockFinder::forEachBlock(
        page,
        [&](const MapBlock &block) {
            if (visit && visited == MapDocument::MaxCount) {
                fail(MapDocument::tooManyMaps());
                return false;
            }
            if (!ReadMapBlock(page, block))
                return false;
            if (visit) {
                visit(mDocument.Maps.back(), visited++, mEncoding);
                mDocument.Maps.pop_back();
            }
            return true;
        },
        mReadsAreas);
}

bool MapReader::ReadMapBlock(std::string_view page, const MapBlock &block)
{
    const int index = mDocument.MapCount();
    try {
        mDocument.appendMap();
        readBlock(page, block, index, mReadsAreas);
        return true;
    } catch (const CoreError &error) {
        // The map is not counted; the tree nodes it added stay until the tree is cleared.
        mDocument.Maps.resize(static_cast<std::size_t>(index));
        fail(error);
        return false;
    }
}

ImageMap MapReader::readMapAgain(std::string_view page, const MapBlock &block)
{
    const int index = mDocument.MapCount();
    mDocument.appendMap();
    try {
        readBlock(page, block, index, true);
    } catch (const CoreError &) {
        mDocument.Maps.pop_back();
        throw;
    }
    ImageMap map = std::move(mDocument.Maps.back());
    mDocument.Maps.pop_back();
    return map;
}

void MapReader::fail(const CoreError &error)
{
    mLastError = error;
    if (mMessages)
        mMessages->show({error.description() + " " + std::to_string(error.number()), "Areamaker",
                         MessageButtons::Ok, MessageIcon::Exclamation});
}

void MapReader::readBlock(std::string_view page, const MapBlock &block, int mapIndex,
                          bool withAreas)
{
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    map.ReadOnlyReason = block.readOnlyReason;
    readImagePath(page, block, map);
    map.Name = map.NameAsRead = block.name;
    map.Alive = true;
    if (auto *tree = mDocument.tree())
        tree->addNode({}, mapKey(mapIndex), mapNodeText(mEncoding.decode(map.Name), map.ImagePath),
                      MapNodeImage);

    mDefaultNodeAdded = false;
    mMarkup = {!block.areas.empty(), !block.areas.empty()};
    if (!withAreas)
        return;
    map.Zones.reserve(block.areas.size());
    for (std::size_t i = 0; i < block.areas.size(); ++i) {
        const MapBlock::Span &area = block.areas[i];
        readArea(
            AreaTag(page.substr(area.begin, area.end - area.begin), block.scannedAttributes(i)),
            mapIndex);
    }
    map.Markup = {mMarkup.lowerCase && mMarkup.selfClosing, mMarkup.selfClosing};
}

void MapReader::readImagePath(std::string_view page, const MapBlock &block, ImageMap &map)
{
    map.SourceAsRead = map.ImagePath = NoImage;
    if (!block.hasSourceComment())
        return;
    const std::string_view comment =
        page.substr(block.sourceComment.begin, block.sourceComment.end - block.sourceComment.begin);
    // The comment ends at its first "-->", which must be the path's "|-->".
    if (comment.size() < sourceCommentStart.size() + sourceCommentEnd.size() ||
        !comment.ends_with(sourceCommentEnd)) {
        if (map.isReadOnly())
            return;
        throw CoreError(ErrInvalidCall,
                        "Commentaire de source d'image non terminé (« |--> » manquant).");
    }
    map.SourceTextAsRead =
        comment.substr(sourceCommentStart.size(),
                       comment.size() - sourceCommentStart.size() - sourceCommentEnd.size());
    const std::string path =
        ResolvePath(mEncoding.decode(map.SourceTextAsRead), mDocumentPath, mStyle);
    if (!path.empty() && mImages.fileExists(path))
        map.SourceAsRead = map.ImagePath = path;
}

void MapReader::readArea(const AreaTag &area, int mapIndex)
{
    const TagView &tag = area.tag();
    const std::string_view text = tag.text();
    // "/>" closes the tag only when its '/' is no attribute's value (data-x= />).
    const bool selfClosing =
        text.ends_with("/>") &&
        (tag.attributes().empty() || tag.attributes().back().end <= text.size() - 2);
    mMarkup.selfClosing = mMarkup.selfClosing && selfClosing;
    mMarkup.lowerCase = mMarkup.lowerCase && writtenInLowerCase(tag);
    try {
        readAreaShape(area, mapIndex);
    } catch (const CoreError &) {
        // A read-only map is never written: an AREA it cannot show (COORDS written by
        // server code, say) is left out of the view rather than failing the page.
        if (!mDocument.Maps[static_cast<std::size_t>(mapIndex)].isReadOnly())
            throw;
    }
}

// The zone is built where the map keeps it, and taken back when the tag makes none: a zone
// is too large to be moved into place for each AREA of a page.
void MapReader::readAreaShape(const AreaTag &tag, int mapIndex)
{
    std::vector<Zone> &zones = mDocument.Maps[static_cast<std::size_t>(mapIndex)].Zones;
    Zone &zone = zones.emplace_back();
    try {
        if (readZone(zone, tag, mapIndex)) {
            addZone(zone, tag, mapIndex);
            return;
        }
    } catch (...) {
        zones.pop_back();
        throw;
    }
    zones.pop_back();
}

bool MapReader::readZone(Zone &zone, const AreaTag &tag, int mapIndex)
{
    const std::string shape = toUpperAscii(tag.valueIf(shapeIndex).value_or("RECT"));
    const std::string coords = tag.value(coordsIndex);
    zone.setHSelection(false);
    zone.setHRegion(KindRegion);
    if (startsWith(shape, "RECT")) {
        if (readDefaultRectangle(tag, mapIndex, coords))
            return false;
        const auto &values = coordinates(coords);
        if (values.size() < 4)
            throw CoreError(ErrInvalidCall, "Rectangle incomplet : COORDS=\"" + coords + "\".");
        zone.reservePoints(2);
        storePoint(zone, {values[0], values[1]}, 0);
        storePoint(zone, {values[2], values[3]}, 1);
        zone.setHForme(ShapeRectangle);
    } else if (startsWith(shape, "POLY")) {
        const auto &values = coordinates(coords, true);
        if (values.size() % 2 != 0)
            throw CoreError(ErrInvalidCall, "Polygone incomplet : COORDS=\"" + coords + "\".");
        zone.reservePoints(values.size() / 2);
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
        const auto &values = coordinates(coords);
        if (values.size() < 3)
            throw CoreError(ErrInvalidCall, "Cercle incomplet : COORDS=\"" + coords + "\".");
        zone.reservePoints(2);
        const std::int64_t cx = values[0], cy = values[1], r = values[2];
        storePoint(zone, {checkedSum(cx - r), checkedSum(cy - r)}, 0);
        storePoint(zone, {checkedSum(cx + r), checkedSum(cy + r)}, 1);
        zone.setHForme(ShapeCircle);
    } else if (startsWith(shape, "DEFAULT")) {
        setDefaultRegion(tag, mapIndex);
        return false;
    } else {
        return false;
    }
    return true;
}

bool MapReader::readDefaultRectangle(const AreaTag &tag, int mapIndex, std::string_view coords)
{
    if (!startsWith(coords, "0,0"))
        return false;
    const ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    const auto size = mImages.GetImageSize(map.ImagePath);
    if (!size)
        return false;
    const auto &values = coordinates(coords);
    if (values.size() < 4 || values[2] != size->width || values[3] != size->height)
        return false;
    setDefaultRegion(tag, mapIndex);
    return true;
}

void MapReader::setDefaultRegion(const AreaTag &tag, int mapIndex)
{
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    for (int k = 0; k < 7; ++k)
        map.DefaultRegion[static_cast<std::size_t>(k)] = tag.value(k);
    map.DefaultRegionOthers = tag.otherAttributes(Geometry::Dropped);
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

// The numbers of COORDS. An empty COORDS is one faulty piece, except for a polygon
// (`emptyHoldsNone`), which it leaves with no points.
const std::vector<std::int32_t> &MapReader::coordinates(std::string_view coords,
                                                        bool emptyHoldsNone)
{
    mValues.clear();
    if (!coords.empty() || !emptyHoldsNone)
        appendCoordinateList(coords, mValues);
    return mValues;
}

// `zone` is the map's last, counted from here on.
void MapReader::addZone(Zone &zone, const AreaTag &tag, int mapIndex)
{
    ImageMap &map = mDocument.Maps[static_cast<std::size_t>(mapIndex)];
    if (map.Zones.size() > MapDocument::MaxCount)
        throw CoreError(ErrOverflow, "Dépassement de capacité : la map « " + map.Name +
                                         " » ne peut contenir plus de 32 767 zones.");
    for (int k = 0; k < 7; ++k)
        zone.SetData(k, tag.value(k));
    zone.setOtherAttributes(tag.otherAttributes());
    const auto zoneIndex = static_cast<int>(map.Zones.size() - 1);
    if (auto *tree = mDocument.tree())
        tree->addNode(mapKey(mapIndex), zoneKey(mapIndex, zoneIndex),
                      zoneNodeText(zone.hForme(), mEncoding.decode(zone.GetData(AttrHref))),
                      ZoneNodeImage);
}

} // namespace areamaker
