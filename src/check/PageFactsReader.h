#pragma once

#include "check/PageFacts.h"
#include "document/MapBlock.h"
#include "document/PageEncoding.h"
#include "document/Paths.h"

#include <array>
#include <cstdint>
#include <forward_list>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace areamaker {

class ImageSizeCache;
class TagView;

// Reads what the checker needs of a page with the editor's own scanning: the MAP blocks as
// the reader finds them, their AREA tags, the IMG tags, and each map's picture size.
class PageFactsReader
{
public:
    explicit PageFactsReader(ImageSizeCache &images, PathStyle style = nativePathStyle())
        : mImages(images), mStyle(style)
    {
    }

    // The page's IMG tags and MAP blocks, without the maps' areas.
    PageFacts read(std::string_view page, const std::string &pagePath);
    // Reads the areas of the page's map number `index` into `map`, which holds that map's
    // other facts, replacing the areas it held.
    void readAreas(std::string_view page, std::size_t index, MapFacts &map);

private:
    void readImages(std::string_view page, PageFacts &facts);
    void readImagesBetween(std::string_view page, std::size_t from, std::size_t to,
                           PageFacts &facts);
    MapFacts readMap(std::string_view page, const MapBlock &block, PageFacts &facts);
    // The picture the editor shows for the map: its source comment's, else the SRC of the
    // first IMG tag whose USEMAP names it.
    std::string picturePath(std::string_view page, const MapBlock &block) const;
    void numberZones(MapFacts &map) const;
    // The value of the tag's first attribute of that name, decoded into `store` when
    // decoding changes it.
    std::optional<std::string_view> decoded(const TagView &tag, std::string_view name,
                                            std::forward_list<std::string> &store) const;
    // A value as the page writes it, decoded into `store` when decoding changes it.
    std::string_view valueRead(std::string_view written,
                               std::forward_list<std::string> &store) const;

    // The SHAPE, COORDS, HREF and ALT values of an AREA tag, as offsets from its '<', noted
    // from the scan that found its end; a value the tag lacks has none.
    struct AreaValues
    {
        static constexpr std::uint32_t Absent = UINT32_MAX;
        std::array<std::uint32_t, 8> bounds;
    };
    void noteAreaValues(std::string_view page, const MapBlock &block);
    void readAreaValues(std::string_view tag, const std::optional<AreaValues> &scanned,
                        AreaFacts &area, std::forward_list<std::string> &store) const;
    std::optional<std::string_view> scannedValue(std::string_view tag, const AreaValues &values,
                                                 std::size_t which,
                                                 std::forward_list<std::string> &store) const;
    bool readsAsWritten(std::string_view written) const;

    ImageSizeCache &mImages;
    PathStyle mStyle;
    std::string mPagePath;
    PageEncoding mEncoding;
    // The SRC, as written, of the first IMG tag of each USEMAP name (ASCII upper case).
    std::unordered_map<std::string, std::string> mFirstSrc;
    std::vector<MapBlock> mBlocks;
    // Per block, its areas' values, or nothing where its scan found something amiss; kept
    // small, as they are held for the whole page.
    std::vector<std::vector<std::optional<AreaValues>>> mAreaValues;
};

} // namespace areamaker
