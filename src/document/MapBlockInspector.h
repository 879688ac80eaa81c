#pragma once

#include "document/MapBlock.h"
#include "document/MarkupScanner.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace areamaker {

// Walks one MAP block of a page: records its AREA tags and its source comment, and the
// first reason, in French, why the editor could not regenerate it without losing markup
// (server code, other elements, other comments, text, a tag or a quote left open).
class MapBlockInspector
{
public:
    // `withAttributes`: the AREA tags' attributes are kept in the block as they are scanned.
    MapBlockInspector(std::string_view page, MapBlock &block, bool withAttributes = false)
        : mPage(page), mBlock(block), mWithAttributes(withAttributes)
    {
    }

    struct Content
    {
        std::size_t bound;       // the next MAP start or end tag, or npos
        std::size_t lastItemEnd; // past the last thing before it other than blanks
    };

    void inspectStartTag(const MarkupScanner::TagScan &scan);
    // Walks the content from the start tag to the next MAP start or end tag, or to `limit`.
    Content inspectContent(std::size_t limit);

private:
    std::size_t item(std::size_t p, std::size_t limit);
    std::size_t nonMarkupItem(std::size_t p, std::size_t end);
    std::size_t tagItem(std::size_t p, std::size_t limit);
    std::size_t textItem(std::size_t p, std::size_t limit);
    bool textHoldsServerCode(std::size_t p, std::size_t end) const;
    bool startsLine(std::size_t p) const;
    void checkTag(const MarkupScanner::TagScan &scan, std::size_t p, std::size_t end);
    // Keeps the attributes an AREA tag's scan appended from `first` on when nothing was amiss.
    void noteAttributes(const MarkupScanner::TagScan &scan, std::size_t first, std::size_t end);
    void refuse(const char *what, std::size_t begin, std::size_t end);

    std::string_view mPage;
    MapBlock &mBlock;
    bool mWithAttributes;
};

} // namespace areamaker
