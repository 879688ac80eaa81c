#pragma once

#include "check/PageFacts.h"
#include "document/PageEncoding.h"
#include "document/Paths.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace areamaker {

class ImageSizeCache;
struct MapBlock;
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

    PageFacts read(std::string_view page, const std::string &pagePath);

private:
    void readImages(std::string_view page, PageFacts &facts);
    MapFacts readMap(std::string_view page, const MapBlock &block, PageFacts &facts);
    // The picture the editor shows for the map: its source comment's, else the SRC of the
    // first IMG tag whose USEMAP names it.
    std::string picturePath(std::string_view page, const MapBlock &block) const;
    void numberZones(MapFacts &map) const;
    // The value of the tag's first attribute of that name, decoded into the facts' store
    // when decoding changes it.
    std::optional<std::string_view> decoded(const TagView &tag, std::string_view name,
                                            PageFacts &facts) const;
    bool readsAsWritten(std::string_view written) const;

    ImageSizeCache &mImages;
    PathStyle mStyle;
    std::string mPagePath;
    PageEncoding mEncoding;
    // The SRC, as written, of the first IMG tag of each USEMAP name (ASCII upper case).
    std::unordered_map<std::string, std::string> mFirstSrc;
};

} // namespace areamaker
