#pragma once

#include "document/MarkupScanner.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// One MAP block of a page as its text lays it out: where it lies, what it is called, where
// its AREA tags and source comment are, and why the editor may not regenerate it.
struct MapBlock
{
    struct Span
    {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    std::size_t begin = 0;       // the '<' of the MAP start tag
    std::size_t startTagEnd = 0; // past the start tag
    std::size_t end = 0;         // past "</MAP>", or past the last tag of a block left open
    bool closed = false;         // ends with its own "</MAP>"
    std::string name;            // the NAME value, or the ID value of a map without NAME
    bool namedById = false;
    std::string id;
    std::vector<Span> areas;
    Span sourceComment{std::string_view::npos, std::string_view::npos};
    // Empty when the editor may regenerate the block; otherwise why not, in French.
    std::string readOnlyReason;
    // For a block found with them: the attributes of each AREA tag as the scan that found its
    // end read them (offsets from its '<'), so that they are not looked for again.
    // `scannedAreas[i]` gives area i's run in `areaAttributes`, none where that scan found
    // something amiss.
    struct Run
    {
        std::size_t first = std::string_view::npos;
        std::size_t count = 0;
    };
    std::vector<TagAttribute> areaAttributes;
    std::vector<Run> scannedAreas;

    std::string_view startTag(std::string_view page) const
    {
        return page.substr(begin, startTagEnd - begin);
    }
    bool hasSourceComment() const { return sourceComment.begin != std::string_view::npos; }
    std::optional<std::span<const TagAttribute>> scannedAttributes(std::size_t area) const
    {
        if (area >= scannedAreas.size() || scannedAreas[area].first == std::string_view::npos)
            return std::nullopt;
        return std::span(areaAttributes)
            .subspan(scannedAreas[area].first, scannedAreas[area].count);
    }
};

} // namespace areamaker
