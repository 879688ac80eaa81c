#pragma once

#include "document/Paths.h"

#include <string>
#include <string_view>

namespace areamaker {

class MapDocument;
struct ImageMap;

// The image file the page names for a map, resolved against the page, or empty when it names
// none. The source comment exists only in pages this editor wrote: a map without one, as pages
// written by others have it, is named by the SRC of the first IMG tag whose USEMAP names it.
std::string imageNamedByPage(const ImageMap &map, std::string_view page,
                             const MapDocument &document, PathStyle style);

} // namespace areamaker
