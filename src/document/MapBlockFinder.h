#pragma once

#include "document/MapBlock.h"

#include <functional>
#include <string_view>
#include <vector>

namespace areamaker {

// Finds the MAP blocks of a page, in order. A block ends at its "</MAP>" or, when another
// MAP start tag comes first, before that tag: a block left open that holds nothing but AREA
// tags and its source comment ends after its last tag (and gets its "</MAP>" when it is
// written); any other one cannot be bounded safely and is kept read-only.
class MapBlockFinder
{
public:
    static std::vector<MapBlock> find(std::string_view page);
    // Hands each block to `take` as soon as it is found, so that none has to be held (`take`
    // may keep it by moving it away); stops and returns false when `take` does. With
    // `withAttributes`, each block holds its AREA tags' attributes (for blocks read at once);
    // the list they are in serves the next block when `take` leaves it in place.
    static bool forEachBlock(std::string_view page, const std::function<bool(MapBlock &)> &take,
                             bool withAttributes = false);

private:
    // The block whose start tag is at `start`; `next` receives the next block's start. Its
    // attributes are noted in `attributes`, emptied first.
    static MapBlock blockAt(std::string_view page, std::size_t start, std::size_t &next,
                            bool withAttributes, std::vector<TagAttribute> &&attributes);
    static void readNames(std::string_view page, MapBlock &block);
};

} // namespace areamaker
