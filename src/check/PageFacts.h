#pragma once

#include "platform/ImageProbe.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace areamaker {

// What the checker reads of one AREA tag: values as written (decoded to UTF-8), and where.
struct AreaFacts
{
    std::size_t offset = 0; // the tag's '<' in the page
    std::optional<std::string> shape;
    std::optional<std::string> coords;
    std::optional<std::string> href;
    std::optional<std::string> alt;
    // The zone the editor shows for it, counted in its map; -1 when it shows none.
    int zoneIndex = -1;
};

// One MAP block: its NAME and ID as written, its AREA tags, and its picture when found.
struct MapFacts
{
    std::size_t offset = 0;
    std::optional<std::string> name;
    std::optional<std::string> id;
    std::vector<AreaFacts> areas;
    std::optional<ImageSize> picture;

    // The name IMG tags use for it: NAME, or ID when it has no NAME.
    std::string key() const { return name ? *name : id.value_or(""); }
};

// One IMG tag and its USEMAP value, when it has one.
struct ImgFacts
{
    std::size_t offset = 0;
    std::optional<std::string> usemap;
};

// Everything the rules look at, read once from a page.
struct PageFacts
{
    std::string path; // the page's own path, against which links are resolved
    std::vector<MapFacts> maps;
    std::vector<ImgFacts> images;
};

} // namespace areamaker
