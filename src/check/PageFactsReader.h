#pragma once

#include "check/PageFacts.h"
#include "document/MapBlock.h"
#include "document/PageEncoding.h"
#include "document/Paths.h"

#include <deque>
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
    bool readsAsWritten(std::string_view written) const;

    ImageSizeCache &mImages;
    PathStyle mStyle;
    std::string mPagePath;
    PageEncoding mEncoding;
    // The SRC, as written, of the first IMG tag of each USEMAP name (ASCII upper case).
    std::unordered_map<std::string, std::string> mFirstSrc;
    // In pieces rather than one array: moving a growing array's blocks costs more than
    // finding them, in memory touched for the first time.
    std::deque<MapBlock> mBlocks;
    // The attributes of the AREA tag being read, their memory reused for the next.
    std::vector<TagAttribute> mAttributes;
};

} // namespace areamaker
