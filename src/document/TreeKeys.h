#pragma once

#include <string>

namespace areamaker {

// What a zone explorer key names, decoded from its shape.
struct TreeKey
{
    enum class Kind
    {
        None,
        Map,
        Zone,
        DefaultRegion
    };
    Kind kind = Kind::None;
    int mapIndex = -1;
    int zoneIndex = -1;
};

std::string mapKey(int mapIndex);
std::string zoneKey(int mapIndex, int zoneIndex);
std::string defaultRegionKey(int mapIndex);
TreeKey decodeTreeKey(const std::string &key);

// Node texts: the map's name and image file, the zone's shape and link.
std::string mapNodeText(const std::string &name, const std::string &imagePath);
std::string zoneNodeText(int shape, const std::string &href);
std::string defaultRegionNodeText(const std::string &href);

// Images of the tree's image list.
inline constexpr int MapNodeImage = 1;
inline constexpr int ZoneNodeImage = 2;

} // namespace areamaker
