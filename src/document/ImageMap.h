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
    // Why the editor may not change the map (its block holds markup that a regenerated
    // block would lose); empty when it may. A read-only block is never written.
    std::string ReadOnlyReason;
    // The form its block was read in, kept by the tags written for it.
    AreaMarkup Markup;
    // The default region's AREA attributes other than the seven, as written.
    OtherAttributes DefaultRegionOthers;

    std::int16_t ZoneCount() const { return static_cast<std::int16_t>(Zones.size()); }
    bool hasDefaultRegion() const { return !DefaultRegion[AttrHref].empty(); }
    bool isReadOnly() const { return !ReadOnlyReason.empty(); }
};

} // namespace areamaker
