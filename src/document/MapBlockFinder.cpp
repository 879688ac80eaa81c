#include "document/MapBlockFinder.h"

#include "document/AsciiText.h"
#include "document/MapBlockInspector.h"
#include "document/MarkupScanner.h"

#include <algorithm>

namespace areamaker {

namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr const char *LeftOpen = "sa balise MAP n'est pas fermée par </MAP>";

// Where a block that runs to the end of the page stops: before the page's last blanks, which
// a save may add to (the final line break) and which are no part of a tag left open.
std::size_t endOfMarkup(std::string_view page)
{
    std::size_t end = page.size();
    while (end > 0 && isAsciiSpace(page[end - 1]))
        --end;
    return end;
}

} // namespace

std::vector<MapBlock> MapBlockFinder::find(std::string_view page)
{
    std::vector<MapBlock> blocks;
    forEachBlock(page, [&blocks](MapBlock &block) {
        blocks.push_back(std::move(block));
        return true;
    });
    return blocks;
}

bool MapBlockFinder::forEachBlock(std::string_view page,
                                  const std::function<bool(MapBlock &)> &take, bool withAttributes)
{
    std::vector<TagAttribute> attributes;
    for (std::size_t start = MarkupScanner::findStartTag(page, "MAP", 0); start != npos;) {
        MapBlock block = blockAt(page, start, start, withAttributes, std::move(attributes));
        if (!take(block))
            return false;
        // The next block's attributes go where these were, unless `take` kept them.
        attributes = std::move(block.areaAttributes);
    }
    return true;
}

MapBlock MapBlockFinder::blockAt(std::string_view page, std::size_t start, std::size_t &next,
                                 bool withAttributes, std::vector<TagAttribute> &&attributes)
{
    MapBlock block;
    block.areaAttributes = std::move(attributes);
    block.areaAttributes.clear();
    block.begin = start;
    const MarkupScanner::TagScan startTag = MarkupScanner::scanTag(page, start);
    block.startTagEnd =
        startTag.end == npos ? std::max(endOfMarkup(page), start + 1) : startTag.end;
    readNames(page, block);
    MapBlockInspector inspector(page, block, withAttributes);
    inspector.inspectStartTag(startTag);
    const bool startTagSound = block.readOnlyReason.empty();
    const std::size_t pageEnd = std::max(endOfMarkup(page), block.startTagEnd);
    const auto [bound, lastItemEnd] = inspector.inspectContent(pageEnd);
    block.closed = bound != npos && MarkupScanner::endTagAt(page, bound, "MAP");
    const std::size_t limit = bound == npos ? pageEnd : bound;
    if (block.closed) {
        block.end = page.find('>', bound) + 1;
        next = MarkupScanner::findStartTag(page, "MAP", block.end);
    } else {
        // Where the content of a block left open stops is only known when it is all AREAs.
        if (startTagSound && !block.readOnlyReason.empty())
            block.readOnlyReason = LeftOpen;
        block.end = block.readOnlyReason.empty() ? lastItemEnd : limit;
        next = bound;
    }
    return block;
}

void MapBlockFinder::readNames(std::string_view page, MapBlock &block)
{
    const TagView tag(block.startTag(page));
    const std::string name = tag.value("NAME").value_or("");
    block.id = tag.value("ID").value_or("");
    block.namedById = name.empty() && !block.id.empty();
    block.name = block.namedById ? block.id : name;
}

} // namespace areamaker
