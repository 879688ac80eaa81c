#pragma once

#include "document/AreaAttributes.h"
#include "document/Zone.h"

#include <cstdint>
#include <string>
#include <vector>

namespace areamaker {

inline constexpr const char *NoImage = "<NONE>";

// One MAP block of the page: its image, zones, name, default region and flags.
struct ImageMap
{
    std::string SourceAsRead = NoImage;
    std::string ImagePath = NoImage;
    std::vector<Zone> Zones;
    bool Modified = false;
    std::string Name;
    std::string NameAsRead;
    std::int32_t ImageWidth = 0;
    std::int32_t ImageHeight = 0;
    AreaAttributes DefaultRegion;
    bool Alive = true;
    // The source comment's path as it stood in the page, kept so that a map whose image
    // was never found does not lose the author's reference when it is written again.
    std::string SourceTextAsRead;

    std::int16_t ZoneCount() const { return static_cast<std::int16_t>(Zones.size()); }
    bool hasDefaultRegion() const { return !DefaultRegion[AttrHref].empty(); }
};

} // namespace areamaker
