#include "ResBitmapCatalog.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array kBitmaps{
    ResBitmapInfo{100, 13, 11, 4, "image map, small"},
    ResBitmapInfo{101, 13, 11, 4, "zone, small"},
    ResBitmapInfo{102, 32, 32, 8, "browser with a globe"},
    ResBitmapInfo{103, 32, 32, 8, "browser with a compass"},
    ResBitmapInfo{105, 16, 16, 4, "picture"},
    ResBitmapInfo{106, 16, 16, 4, "HTML page"},
    ResBitmapInfo{107, 16, 16, 4, "position"},
    ResBitmapInfo{108, 16, 16, 4, "circle centre"},
    ResBitmapInfo{109, 16, 16, 4, "dimensions"},
    ResBitmapInfo{110, 16, 16, 4, "radius"},
    ResBitmapInfo{111, 16, 16, 4, "polygon points"},
    ResBitmapInfo{112, 16, 28, 4, "up and down arrows"},
    ResBitmapInfo{113, 32, 32, 4, "image map"},
    ResBitmapInfo{114, 32, 32, 4, "zone"},
    ResBitmapInfo{115, 193, 234, 4, "assistant picture"},
    ResBitmapInfo{1000, 180, 189, 8, "splash artwork"},
    ResBitmapInfo{1001, 156, 88, 8, "splash title"},
    ResBitmapInfo{1002, 200, 60, 8, "about banner"},
};

} // namespace

namespace ResBitmapCatalog {

std::span<const ResBitmapInfo> all()
{
    return kBitmaps;
}

std::optional<ResBitmapInfo> find(int id)
{
    const auto *found = std::find_if(kBitmaps.begin(), kBitmaps.end(),
                                     [id](const ResBitmapInfo &info) { return info.id == id; });
    if (found == kBitmaps.end())
        return std::nullopt;
    return *found;
}

QString resourcePath(int id)
{
    return QStringLiteral(":/zonepack/bitmaps/") + fileName(id);
}

QString fileName(int id)
{
    return QString::number(id) + QStringLiteral(".png");
}

} // namespace ResBitmapCatalog
