#pragma once

#include "ZonepackExport.h"

#include <QString>

#include <optional>
#include <span>

// One bitmap carried by the library: its id, size, colour depth and what it shows.
struct ResBitmapInfo
{
    int id;
    int width;
    int height;
    int bitsPerPixel;
    const char *subject;
};

// The bitmaps the library carries; the artwork generator draws exactly these.
namespace ResBitmapCatalog {

ZONEPACK_EXPORT std::span<const ResBitmapInfo> all();
ZONEPACK_EXPORT std::optional<ResBitmapInfo> find(int id);
// Name of the embedded file holding the bitmap, e.g. ":/zonepack/bitmaps/105.png".
ZONEPACK_EXPORT QString resourcePath(int id);
ZONEPACK_EXPORT QString fileName(int id);

} // namespace ResBitmapCatalog
