#pragma once

#include "document/AreaAttributes.h"
#include "document/CoreError.h"
#include "document/ImageSizeCache.h"
#include "document/PageEncoding.h"
#include "document/Paths.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace areamaker {

class MapDocument;
class MessageBoxPort;
struct ImageMap;
class Zone;
class TagView;
struct MapBlock;

// Reads the MAP blocks of a page into the document, adding their tree nodes.
class MapReader
{
public:
    MapReader(MapDocument &document, ImageSizeCache &images, MessageBoxPort *messages,
              PathStyle style = nativePathStyle());

    // Receives each map as soon as it is read, with its place and the page's encoding; it
    // may take the map away.
    using MapVisitor = std::function<void(ImageMap &map, int index, const PageEncoding &encoding)>;

    // Appends every map of the page; false (with the reason in lastError) when a block is
    // malformed, in which case the reason has been shown to the user. With `visit`, each map
    // is handed to it instead and the document keeps none, so that it never holds more than
    // one map; the maps still count towards the document's limit.
    bool readPage(std::string_view page, const MapVisitor &visit = {});
    bool ReadMapBlock(std::string_view page, const MapBlock &block);
    // Reads maps without their AREA tags, and so without zones, default region or markup
    // form: enough to tell which maps a save would write. Failures of AREA tags then go
    // unseen.
    void skipAreas() { mReadsAreas = false; }
    // Takes the page's encoding and path for readMapAgain without reading any map; false
    // (with the reason in lastError) for a page the reader refuses.
    bool startPage(std::string_view page);
    // The map of `block` read whole, after readPage or startPage of its page; the document
    // keeps nothing of it. Throws CoreError as a first reading of that block would have.
    ImageMap readMapAgain(std::string_view page, const MapBlock &block);
    const std::optional<CoreError> &lastError() const { return mLastError; }

    // Attribute `index` (0 to 6 as AreaAttributes, 7 for COORDS) of an AREA tag, as written.
    static std::string GetAreaAttribute(std::string_view tag, int index);

private:
    class AreaTag;

    // Reads the block into map `mapIndex`; its AREA tags only `withAreas`.
    void readBlock(std::string_view page, const MapBlock &block, int mapIndex, bool withAreas);
    void readImagePath(std::string_view page, const MapBlock &block, ImageMap &map);
    void readArea(const AreaTag &area, int mapIndex);
    void readAreaShape(const AreaTag &tag, int mapIndex);
    // Gives `zone` the tag's shape; false when the tag makes no zone (the default region, a
    // shape no browser knows).
    bool readZone(Zone &zone, const AreaTag &tag, int mapIndex);
    bool readDefaultRectangle(const AreaTag &tag, int mapIndex, std::string_view coords);
    void setDefaultRegion(const AreaTag &tag, int mapIndex);
    void addZone(Zone &zone, const AreaTag &tag, int mapIndex);
    const std::vector<std::int32_t> &coordinates(std::string_view coords,
                                                 bool emptyHoldsNone = false);
    void fail(const CoreError &error);

    MapDocument &mDocument;
    ImageSizeCache &mImages;
    MessageBoxPort *mMessages;
    PathStyle mStyle;
    PageEncoding mEncoding;
    std::string mDocumentPath;
    bool mDefaultNodeAdded = false;
    bool mReadsAreas = true;
    AreaMarkup mMarkup;
    std::optional<CoreError> mLastError;
    // The numbers of the AREA being read: one list for all of them.
    std::vector<std::int32_t> mValues;
};

} // namespace areamaker
