#pragma once

#include "document/ImageSizeCache.h"
#include "document/ImgTagBinder.h"
#include "document/MapBlock.h"
#include "document/PageEncoding.h"
#include "document/Paths.h"
#include "platform/FileSystem.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

class MapDocument;
struct ImageMap;

// Splices the document's maps into the page text: changed maps get a regenerated MAP
// block, deleted maps lose theirs, and the IMG tags follow renamed or re-imaged maps.
// A block the editor cannot regenerate (read-only) keeps every byte.
class MapWriter
{
public:
    MapWriter(MapDocument &document, ImageSizeCache &images, const ImgTagBinder &binder,
              PathStyle style = nativePathStyle());

    // Builds the new text in one pass over the old one.
    bool WriteMaps(std::string &text);

    // The map of a block of the text being written, read whole from it.
    using MapSource = std::function<ImageMap(const MapBlock &block)>;
    // Writes the text with every block the editor may regenerate written again from its own
    // map, as opening the text, changing every map and saving would, in one pass: each block
    // is read by `source` as it is found, written, and let go; of the document, only its path
    // is used (pictures' paths are written relative to it).
    // Returns whether any block was written again.
    bool rewriteMaps(std::string_view text, const MapSource &source, const ContentWriter &write);

private:
    class HeldBackWriter;
    class Splice;

    void writeBlocks(std::string_view text, const std::vector<MapBlock> &blocks,
                     const std::vector<int> &owners, std::string_view eol,
                     const ContentWriter &write);
    // Where blocks of new maps go: before </BODY>, or at the end, never inside a block.
    static std::size_t newBlocksPlace(std::string_view text, const std::vector<MapBlock> &blocks);
    // For each block, the index of the map that owns it, or -1.
    std::vector<int> ownersOf(const std::vector<MapBlock> &blocks) const;
    // Whether the save rewrites or removes the block; throws when the page changed so that
    // a modified map's block can no longer be regenerated.
    bool rewrites(const MapBlock &block, int owner) const;
    // The MAP block of one map, lines separated by the page's line break.
    std::string mapBlock(const ImageMap &map, const std::string &startTag, std::string_view eol);
    std::string defaultRegionLine(const ImageMap &map);
    std::string sourcePathText(const ImageMap &map) const;
    ImgTagBinder::UpdatesByOldName imgTagUpdates(const std::vector<MapBlock> &blocks,
                                                 const std::vector<int> &owners) const;
    void settleNames();
    std::string pagePath(const std::string &imagePath) const;

    MapDocument &mDocument;
    ImageSizeCache &mImages;
    const ImgTagBinder &mBinder;
    PathStyle mStyle;
    PageEncoding mEncoding;
};

} // namespace areamaker
