#pragma once

#include "check/AreaGeometry.h"
#include "platform/ImageProbe.h"

#include <cstddef>
#include <forward_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// What the checker reads of one AREA tag: values as written (decoded to UTF-8), and where.
// The values view the page, or the facts' own store when decoding changed them.
struct AreaFacts
{
    std::size_t offset = 0; // the tag's '<' in the page
    std::optional<std::string_view> shape;
    std::optional<std::string_view> coords;
    std::optional<std::string_view> href;
    std::optional<std::string_view> alt;
    // Read once from SHAPE and COORDS, as every geometric rule needs it.
    AreaGeometry geometry;
    // The zone the editor shows for it, counted in its map; -1 when it shows none.
    int zoneIndex = -1;
};

// One MAP block: its NAME and ID as written, its picture when found, and its AREA tags once
// they are read, one map at a time.
struct MapFacts
{
    std::size_t offset = 0;
    std::optional<std::string_view> name;
    std::optional<std::string_view> id;
    std::optional<ImageSize> picture;
    std::vector<AreaFacts> areas;
    // The area values that decoding changed; a list, so that views into it stay valid and
    // the maps whose areas are not read hold no memory for it.
    std::forward_list<std::string> decodedValues;

    // The name IMG tags use for it: NAME, or ID when it has no NAME.
    std::string_view key() const { return name ? *name : id.value_or(""); }
};

// One IMG tag and its USEMAP value, when it has one.
struct ImgFacts
{
    std::size_t offset = 0;
    std::optional<std::string_view> usemap;
};

// What the rules look at of a page, which must outlive them: its maps without their areas.
struct PageFacts
{
    PageFacts() = default;
    // Values view the store, which a copy would not take along.
    PageFacts(const PageFacts &) = delete;
    PageFacts &operator=(const PageFacts &) = delete;
    PageFacts(PageFacts &&) = default;
    PageFacts &operator=(PageFacts &&) = default;

    std::string path; // the page's own path, against which links are resolved
    std::vector<MapFacts> maps;
    std::vector<ImgFacts> images;
    // The map and IMG values that decoding changed.
    std::forward_list<std::string> decodedValues;
};

} // namespace areamaker
