#pragma once

#include "document/ImageSizeCache.h"
#include "document/ImgTagBinder.h"
#include "document/PageEncoding.h"
#include "document/Paths.h"

#include <string>
#include <vector>

namespace areamaker {

class MapDocument;
struct ImageMap;

// Splices the document's maps into the page text: changed maps get a regenerated MAP
// block, deleted maps lose theirs, and the IMG tags follow renamed or re-imaged maps.
class MapWriter
{
public:
    MapWriter(MapDocument &document, ImageSizeCache &images, const ImgTagBinder &binder,
              PathStyle style = nativePathStyle());

    // Builds the new text in one pass over the old one.
    bool WriteMaps(std::string &text);
    // The MAP block of one map, lines separated by the page's line break.
    std::string mapBlock(const ImageMap &map, std::string_view eol);

private:
    struct Block
    {
        std::size_t begin = 0;
        std::size_t end = 0;
        int owner = -1;
    };

    std::vector<Block> findOwnedBlocks(std::string_view text) const;
    std::string defaultRegionLine(const ImageMap &map);
    std::string sourcePathText(const ImageMap &map) const;
    void rebindImgTags(std::string &text);
    std::string pagePath(const std::string &imagePath) const;

    MapDocument &mDocument;
    ImageSizeCache &mImages;
    const ImgTagBinder &mBinder;
    PathStyle mStyle;
    PageEncoding mEncoding;
};

} // namespace areamaker
