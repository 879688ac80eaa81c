#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace areamaker {

// One IMG tag of a page.
struct PageImage
{
    std::size_t position = 0; // byte offset of the tag's '<'
    std::string src;          // the SRC value, empty when the tag has none
    std::optional<std::string> mapName;
};

// What the new image map assistant reads of a page: its pictures and the names of its
// maps, as markup (a tag inside a comment or a script is not one).
class PageImages
{
public:
    static std::vector<PageImage> find(std::string_view page);
    static std::vector<std::string> mapNames(std::string_view page);
};

} // namespace areamaker
