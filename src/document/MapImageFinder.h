#pragma once

#include "document/Paths.h"

#include <string_view>

namespace areamaker {

class ImageSizeCache;
class MapDocument;

// Finds the images of the maps just read whose source comment named none. The comment exists
// only in pages this editor wrote: a map of a page written by others takes the SRC of the
// first IMG tag whose USEMAP names it, when that file exists. Every map left without an image
// records the path looked for, so that the question that follows can name it.
void findMapImages(MapDocument &document, std::string_view page, ImageSizeCache &images,
                   PathStyle style);

} // namespace areamaker
